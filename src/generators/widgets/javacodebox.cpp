#include "generators/widgets/javacodebox.h"

#include "editor/tsynjavasyn.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsyngutter.h"

JavaCodeBox::JavaCodeBox(QWidget* parent) : TSynEdit(parent), m_java(std::make_unique<TSynJavaSyn>())
{
    gutter()->setShown(false);
    // Tab moves on to the dialog's next control; files dropped here are no
    // documents to open.
    setOptions(eoAutoIndent | eoDragDropEditing | eoScrollPastEol | eoSmartTabs | eoTabsToSpaces);
    setHighlighter(m_java.get());
}

JavaCodeBox::~JavaCodeBox()
{
    // The control lets go of the highlighter before the highlighter goes.
    setHighlighter(nullptr);
}

void JavaCodeBox::setCaption(const QString& caption)
{
    setAccessibleName(caption);
    view()->setAccessibleName(caption);
}

QSize JavaCodeBox::sizeHint() const
{
    return minimumSize().expandedTo(QSize(120, 48));
}
