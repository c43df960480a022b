#include "generators/widgets/javacodebox.h"

#include "editor/tsynjavasyn.h"
#include "editor/widgets/tsyngutter.h"

JavaCodeBox::JavaCodeBox(QWidget* parent) : TSynEdit(parent), m_java(std::make_unique<TSynJavaSyn>())
{
    gutter()->setShown(false);
    setHighlighter(m_java.get());
}

JavaCodeBox::~JavaCodeBox()
{
    // The control lets go of the highlighter before the highlighter goes.
    setHighlighter(nullptr);
}
