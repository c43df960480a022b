#pragma once

#include "editor/widgets/tsynedit.h"
#include "generators/widgets/generatorhost.h"

#include <QMap>

#include <memory>

// A frame window for the generators: one real edit control as the active
// editor (or none), written as the frame window writes (the selection
// replaced at the caret), and the class lists a test gives it.
class EditorGeneratorHost : public GeneratorHost {
public:
    explicit EditorGeneratorHost(bool withEditor = true)
    {
        if (withEditor) {
            edit = std::make_unique<TSynEdit>();
            edit->resize(600, 300);
        }
    }

    TSynEdit* generatorEdit() const override { return edit.get(); }
    void insertGeneratedText(const QString& text) override
    {
        if (edit)
            edit->setSelText(text);
    }
    QString caretLineIndent() const override
    {
        if (!edit)
            return {};
        const QString line = edit->lineText();
        qsizetype n = 0;
        while (n < line.size() && line[n] == u' ')
            ++n;
        return line.left(n);
    }
    QStringList documentClassNames() const override { return classes.keys(); }
    QStringList documentClassMembers(const QString& className) const override { return classes.value(className); }

    // The document's text with "\n" between lines.
    QString text() const
    {
        QStringList lines;
        for (int i = 0; i < edit->lineCount(); ++i)
            lines << edit->line(i);
        return lines.join(u'\n');
    }
    // The document with "\n" between lines and the caret at column, line.
    void setDocument(const QString& text, int column, int line)
    {
        edit->setText(text);
        edit->setCaretXY(column, line);
    }
    // True when one undo gives back `before`: the last edit was one step.
    bool undoOnceGivesBack(const QString& before)
    {
        edit->undo();
        return text() == before;
    }

    std::unique_ptr<TSynEdit> edit;
    QMap<QString, QStringList> classes;
};
