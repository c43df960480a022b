#include "generators/exceptiongenerators.h"

namespace ExceptionGenerators {

namespace {
const QChar CR = u'\r';
}

QString LagKode(const QString& name, const QString& base, const QString& ind)
{
    return QStringLiteral("public class ") + name + QStringLiteral(" extends ") + base + QStringLiteral(" {") + CR +
           ind + QStringLiteral("  public ") + name + QStringLiteral("(String error) {") + CR + ind +
           QStringLiteral("    super(error);") + CR + ind + QStringLiteral("  }") + CR + ind + u'}';
}

QStringList baseClasses()
{
    return {QStringLiteral("ArithmeticException"),
            QStringLiteral("ArrayIndexOutOfBoundsException"),
            QStringLiteral("ClassCastException"),
            QStringLiteral("Exception"),
            QStringLiteral("Error"),
            QStringLiteral("IndexOutOfBoundsException"),
            QStringLiteral("InternalError"),
            QStringLiteral("IOException"),
            QStringLiteral("NullPointerException"),
            QStringLiteral("NumberFormatException"),
            QStringLiteral("StringIndexOutOfBoundsException"),
            QStringLiteral("RuntimeException")};
}

QString tryCatchText(const QString& code, const QStringList& exceptions, const QString& ind)
{
    QString s = QStringLiteral("try {") + CR + ind + QStringLiteral("  ") + code + ind + u'}' + CR;
    for (int i = 0; i < exceptions.size(); ++i) {
        s += ind + QStringLiteral("catch (") + exceptions[i] + QStringLiteral(" ex") + QString::number(i + 1) +
             QStringLiteral(") {") + CR + ind + u'}';
        if (i + 1 < exceptions.size())
            s += CR;
    }
    return s;
}

QStringList catchableExceptions()
{
    // Sorted as the list box shows them: letter case ignored.
    return {QStringLiteral("ArithmeticException"), QStringLiteral("ArrayIndexOutOfBoundsException"),
            QStringLiteral("ArrayStoreException"), QStringLiteral("ClassCastException"),
            QStringLiteral("ClassNotFoundException"), QStringLiteral("CloneNotSupportedException"),
            QStringLiteral("EmptyStackException"), QStringLiteral("EOFException"), QStringLiteral("Exception"),
            QStringLiteral("FileNotFoundException"), QStringLiteral("IllegalArgumentException"),
            QStringLiteral("IllegalThreadStateException"), QStringLiteral("IndexOutOfBoundsException"),
            QStringLiteral("InterruptedException"), QStringLiteral("IOException"),
            QStringLiteral("NegativeArraySizeException"), QStringLiteral("NoSuchElementException"),
            QStringLiteral("NullPointerException"), QStringLiteral("NumberFormatException"),
            // The class is RuntimeException; "RunTimeException" never compiled.
            QStringLiteral("RuntimeException"), QStringLiteral("SecurityException"),
            QStringLiteral("StringIndexOutOfBoundsException")};
}

int exceptionColumnWidth(int entryCount)
{
    return entryCount >= 5 ? 348 : 365;
}

} // namespace ExceptionGenerators
