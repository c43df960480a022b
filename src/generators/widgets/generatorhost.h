#pragma once

#include <QString>
#include <QStringList>

class TSynEdit;

// What the code generators ask of the frame window: the active editor, the
// one way of writing into it and the classes of its Java text. The frame
// window implements it.
class GeneratorHost {
public:
    virtual ~GeneratorHost() = default;

    // The active editor window's edit control; nullptr when none is open.
    virtual TSynEdit* generatorEdit() const = 0;
    // Replaces the active editor's selection with text (lines split at CR,
    // LF or CR LF); the caret ends behind it.
    virtual void insertGeneratedText(const QString& text) = 0;
    // The blanks that begin the active editor's caret line.
    virtual QString caretLineIndent() const = 0;

    // The top-level classes of the active document, in document order.
    virtual QStringList documentClassNames() const = 0;
    // The members of one of them, private ones included, in document order.
    virtual QStringList documentClassMembers(const QString& className) const = 0;
};
