#pragma once

#include "editor/widgets/tsynedit.h"

#include <memory>

class TSynJavaSyn;

// A small Java-highlighted edit box for the generator dialogs (preview,
// code to wrap, expression being composed). It owns its highlighter.
class JavaCodeBox : public TSynEdit {
    Q_OBJECT
public:
    explicit JavaCodeBox(QWidget* parent = nullptr);
    ~JavaCodeBox() override;

    // As small as its minimum size: the dialog's layout gives it its room.
    QSize sizeHint() const override;

    // The caption a screen reader gives the box. The inner view takes the
    // keyboard, and a buddy label names only the box around it.
    void setCaption(const QString& caption);

private:
    std::unique_ptr<TSynJavaSyn> m_java;
};
