#pragma once

#include <QString>
#include <QStringList>

// The texts of the exception generator (a new exception class) and of the
// try-catch generator (code wrapped in try with one catch per exception).
// Lines are separated by a lone CR; Ind is the caret line's leading blanks,
// put before every line but the first, which starts at the caret.
namespace ExceptionGenerators {

// LagKode: make code. The exception class called name, derived from base.
QString LagKode(const QString& name, const QString& base, const QString& ind);

// The base classes offered by the exception generator, in their order.
QStringList baseClasses();

// "try {", the code, the closing brace and the catch blocks. code is the
// code box's text as the box gives it (every line followed by CR LF, so
// nothing for an empty box); only its first line gets the extra two blanks.
// The catch variables are ex1 ... exN in list order.
QString tryCatchText(const QString& code, const QStringList& exceptions, const QString& ind);

// The exceptions offered by the try-catch generator, sorted.
QStringList catchableExceptions();

// Width of the try-catch generator's exception column: narrower once the
// list holds enough entries to show a vertical scroll bar.
int exceptionColumnWidth(int entryCount);

} // namespace ExceptionGenerators
