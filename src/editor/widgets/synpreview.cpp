#include "editor/widgets/synpreview.h"

#include "editor/customlanguagehighlighter.h"
#include "editor/tsyncsssyn.h"
#include "editor/tsyngeneralsyn.h"
#include "editor/tsynhtmlsyn.h"
#include "editor/tsynjavasyn.h"
#include "editor/tsynperlsyn.h"
#include "editor/tsynphpsyn.h"
#include "editor/tsynxmlsyn.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"
#include "editor/widgets/tsyngutter.h"
#include "settings/customlanguages.h"

#include <QEvent>
#include <QVBoxLayout>

SynPreview::SynPreview(QWidget* parent) : HighlightPreview(parent)
{
    m_highlighters[int(PreviewLanguage::Java)] = std::make_unique<TSynJavaSyn>();
    m_highlighters[int(PreviewLanguage::HTML)] = std::make_unique<TSynHTMLSyn>();
    m_highlighters[int(PreviewLanguage::CSS)] = std::make_unique<TSynCssSyn>();
    m_highlighters[int(PreviewLanguage::PERL)] = std::make_unique<TSynPerlSyn>();
    m_highlighters[int(PreviewLanguage::PHP)] = std::make_unique<TSynPHPSyn>();
    m_highlighters[int(PreviewLanguage::XML)] = std::make_unique<TSynXMLSyn>();
    auto general = std::make_unique<TSynGeneralSyn>();
    m_general = general.get();
    m_general->setIdentifierChars(customLanguageIdentifierChars());
    m_highlighters[int(PreviewLanguage::General)] = std::move(general);

    m_edit = new TSynEdit(this);
    m_edit->setObjectName(QStringLiteral("previewEdit"));
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    m_edit->setFont(font);
    m_edit->gutter()->setShown(false);
    m_edit->setOptions(eoAutoIndent | eoTabsToSpaces | eoWantTabs);
    m_edit->setHighlighter(highlighter(m_shown));
    m_edit->OnMouseDown = [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { emit clicked(); };
    setFocusProxy(m_edit);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);
}

SynPreview::~SynPreview()
{
    // The control points at a highlighter; it goes first.
    delete m_edit;
}

bool SynPreview::event(QEvent* event)
{
    if (event->type() == QEvent::Show)
        m_edit->view()->setAccessibleName(accessibleName());
    return HighlightPreview::event(event);
}

TSynCustomHighlighter* SynPreview::highlighter(PreviewLanguage language) const
{
    return m_highlighters[std::size_t(language)].get();
}

void SynPreview::showHighlighter(PreviewLanguage language)
{
    m_shown = language;
    m_edit->setHighlighter(highlighter(language));
}

AttributeList SynPreview::attributes(PreviewLanguage language) const
{
    return highlighter(language)->attributeStyles();
}

void SynPreview::setAttribute(PreviewLanguage language, const AttributeStyle& attribute)
{
    if (TSynHighlighterAttributes* a = highlighter(language)->attributeByName(attribute.name))
        a->assign(attribute.foreground, attribute.background, attribute.style);
}

void SynPreview::loadAttributes(PreviewLanguage language, const IniFile& file)
{
    highlighter(language)->LoadAttributesFromIni(file);
}

QStringList SynPreview::sampleText(PreviewLanguage language) const
{
    return highlighter(language)->sampleSource().split(QStringLiteral("\r\n"));
}

void SynPreview::applyCustomLanguage(const CustomLanguageDefinition& definition)
{
    ::applyCustomLanguage(definition, *m_general);
    if (m_shown == PreviewLanguage::General)
        m_edit->restyle();
}

QStringList SynPreview::lines() const
{
    QStringList out;
    for (int i = 0; i < m_edit->lineCount(); ++i)
        out << m_edit->line(i);
    return out;
}

void SynPreview::setLines(const QStringList& lines)
{
    // setText drops one final line break; this one, so that a last empty
    // line stays a line.
    m_edit->setText(lines.isEmpty() ? QString() : lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}
