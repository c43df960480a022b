// TMainForm: HTML authoring. The wizards' launchers (the HTML "Tools" menu,
// the tool buttons of the HTML page, New > Frameset), the one-click
// insertions of "&Insert" and "Paste Code..", "&Modify", and the operations
// the wizards reach through HtmlHost.
#include "app/widgets/filepanel.h"
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "app/widgets/toolpages.h"
#include "editor/textencoding.h"
#include "editor/widgets/tsynedit.h"
#include "html/inlineinsertion.h"
#include "html/tagatcaret.h"
#include "html/taginsertion.h"
#include "html/widgets/htmlhost.h"
#include "html/widgets/htmlwizards.h"
#include "html/widgets/scriptcommands.h"
#include "workspace/newdocuments.h"
#include "workspace/widgets/teditform.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QToolButton>

#include <functional>
#include <tuple>

// The frame window as the wizards see it.
class TMainForm::HtmlWizardHost : public HtmlHost {
public:
    explicit HtmlWizardHost(TMainForm* form) : m_form(form) {}

    QWidget* hostWindow() override { return m_form; }
    bool hasEditor() const override { return m_form->GetActiveEditor() != nullptr; }
    void writeInsertion(const Insertion& insertion) override { m_form->writeInsertion(insertion); }
    QString indentation() const override { return m_form->FindWhitespaceInFront(); }
    QString selectedText() const override
    {
        const TEditForm* e = m_form->GetActiveEditor();
        return e ? e->SynEdit1->selText() : QString();
    }
    HtmlEscaper escaper() const override { return m_form->documentEscaper(); }
    QString activeEditorText() const override { return m_form->ActiveEditorText(); }
    QString projectCatalog() const override { return m_form->ProjectCatalog; }
    QString imagesFolder() const override { return m_form->ImagesFolder; }
    bool SoekOgLeggInn(const QString& tag, const QString& text) override { return m_form->SoekOgLeggInn(tag, text); }
    bool LeggInnTekstITag(const QString& tag, const QString& text, int lineBreaks) override
    {
        return m_form->LeggInnTekstITag(tag, text, lineBreaks);
    }
    void LagEnhetHTML(const QString& text, int caretLine) override { m_form->LagEnhetHTML(text, caretLine); }
    void MakeUnitByName(const QString& name, const QString& text) override { m_form->MakeUnitByName(name, text); }
    bool isDocumentOpen(const QString& name) const override { return m_form->AllreadyOpen(name); }

private:
    TMainForm* m_form;
};

HtmlHost* TMainForm::htmlHost()
{
    if (!m_htmlHost)
        m_htmlHost = std::make_shared<HtmlWizardHost>(this);
    return m_htmlHost.get();
}

HtmlEscaper TMainForm::documentEscaper() const
{
    // A character the active document's encoding cannot hold is written as
    // a reference instead of being lost; a UTF-8 document holds them all.
    const TEditForm* e = GetActiveEditor();
    if (!e || e->SynEdit1->encoding() == TextEncoding::Utf8)
        return HtmlEscaper();
    const TextEncoding encoding = e->SynEdit1->encoding();
    return HtmlEscaper([encoding](char32_t c) {
        return TextEncodings::encode(QString::fromUcs4(&c, 1), encoding).has_value();
    });
}

void TMainForm::writeInsertion(const Insertion& insertion)
{
    TEditForm* e = GetActiveEditor();
    if (!e)
        return;
    SkrivTekstenTilEditor(insertion.text);
    if (!insertion.caret)
        return;
    TSynEdit* edit = e->SynEdit1;
    const CaretMove& move = *insertion.caret;
    const int column = move.rule == CaretMove::Column::Absolute ? move.column : edit->caretX() + move.column;
    edit->setCaretXY(std::max(column, 1), std::max(edit->caretY() + move.lineDelta, 1));
}

QString TMainForm::ActiveEditorText() const
{
    const TEditForm* e = GetActiveEditor();
    return e ? e->SynEdit1->text() : QString();
}

QString TMainForm::FindKeyWordInNow() const
{
    const TEditForm* e = GetActiveEditor();
    if (!e)
        return {};
    const TSynEdit* edit = e->SynEdit1;
    // The lexer walks the line's bytes: the caret's column is counted in
    // bytes too, or an accented letter before the tag hides it.
    const int line = edit->caretY();
    return TagAtCaret::FindKeyWordInNow([edit](int i) { return edit->lineBytes(i); },
                                        edit->byteColumn(edit->caretX(), line), line);
}

namespace {

// Writes a tag edit into the edit control as one undoable step; the caret
// keeps its place in the text.
bool applyTagEdit(TSynEdit* edit, const std::optional<TagInsertion::Edit>& change)
{
    if (!change)
        return false;
    const TagInsertion::Position caret =
        TagInsertion::caretAfter({edit->caretX(), edit->caretY()}, *change);
    edit->beginUndoBlock();
    edit->setCaretXY(change->at.column, change->at.line);
    edit->setSelText(change->text);
    edit->endUndoBlock();
    edit->setCaretXY(caret.column, caret.line);
    return true;
}

TagInsertion::LineSource linesOf(const TSynEdit* edit)
{
    return [edit](int i) { return edit->line(i); };
}

} // namespace

bool TMainForm::SoekOgLeggInn(const QString& tag, const QString& text)
{
    TEditForm* e = GetActiveEditor();
    if (!e)
        return false;
    TSynEdit* edit = e->SynEdit1;
    return applyTagEdit(edit, TagInsertion::SoekOgLeggInn(linesOf(edit), edit->lineCount(), tag, text));
}

bool TMainForm::LeggInnTekstITag(const QString& tag, const QString& text, int lineBreaks)
{
    TEditForm* e = GetActiveEditor();
    if (!e)
        return false;
    TSynEdit* edit = e->SynEdit1;
    return applyTagEdit(edit, TagInsertion::LeggInnTekstITag(linesOf(edit), edit->lineCount(), tag, text, lineBreaks));
}

TEditForm* TMainForm::LagEnhetHTML(const QString& text, int caretLine)
{
    using namespace NewDocuments;
    EnableMainMenu();
    showKindPage(ToolPage::Html, false);
    EnableDisableTabs(false);
    TEditForm* editor = MakeUnit(QStringLiteral(".htm"));
    // The text is the document's reason to be: written whatever the
    // new-document template setting says.
    SkrivTekstenTilEditor(text);
    editor->SynEdit1->setCaretXY(1, std::max(caretLine, 1));
    editor->SynEdit1->flushPendingChange();
    editor->markUnmodified();
    editor->ChangeSyntaxToHTML();
    if (const auto entry = info(Kind::Html).fileTypeEntry) {
        filePanel->setFilterIndex(*entry);
        filePanel->setFileMask(filePanel->filterMask());
    }
    LoadUserSettings();
    editor->LeggTilEditor();
    return editor;
}

void TMainForm::runInlineCommand(const QString& handler)
{
    TEditForm* e = GetActiveEditor();
    if (!e)
        return;
    writeInsertion(InlineInsertion::insertion(handler, FindWhitespaceInFront(), e->SynEdit1->selText()));
}

void TMainForm::wireHtml()
{
    auto onMenu = [this](const char* name, auto handler) {
        if (QAction* a = menus->action(QLatin1String(name)))
            connect(a, &QAction::triggered, this, handler);
    };
    auto onButton = [this](const char* name, auto handler) {
        if (QToolButton* b = toolPages->button(QLatin1String(name)))
            connect(b, &QToolButton::clicked, this, handler);
    };
    auto wizard = [this](HtmlWizard w) { return [this, w] { openHtmlWizard(w, htmlHost()); }; };

    // The HTML "Tools" menu and New > Frameset.
    static const std::pair<const char*, HtmlWizard> kToolsItems[] = {
        {"Comment3", HtmlWizard::Comment},        {"Frames1", HtmlWizard::Frames},
        {"Image2", HtmlWizard::Image},            {"able2", HtmlWizard::Table},
        {"Link2", HtmlWizard::Link},              {"Button3", HtmlWizard::Button},
        {"Rollover1", HtmlWizard::Rollover},      {"extarea2", HtmlWizard::TextArea},
        {"Fontwizard1", HtmlWizard::Font},        {"Popupmenu8", HtmlWizard::PopupMenu},
        {"OrderedLists1", HtmlWizard::OrderedList}, {"Unorderedlist2", HtmlWizard::UnorderedList},
        {"horizontalRulerWizard", HtmlWizard::HorizontalRule}, {"Objectwizard1", HtmlWizard::Object},
        {"newFrameset", HtmlWizard::Frames},
    };
    for (const auto& [name, w] : kToolsItems)
        onMenu(name, wizard(w));

    // The HTML page's buttons: "Form:", "Common:" and "Javascripts:".
    static const std::pair<const char*, HtmlWizard> kButtons[] = {
        {"htmlCheckboxWizard", HtmlWizard::CheckBox},
        {"htmlRadioButtonWizard", HtmlWizard::RadioButton},
        {"htmlTextfieldWizard", HtmlWizard::TextField},
        {"htmlPasswordFieldWizard", HtmlWizard::PasswordField},
        {"htmlHiddenFieldWizard", HtmlWizard::HiddenField},
        {"htmlFileFieldWizard", HtmlWizard::FileField},
        {"htmlImageButtonWizard", HtmlWizard::ImageButton},
        {"htmlButtonWizard", HtmlWizard::Button},
        {"htmlTextAreaWizard", HtmlWizard::TextArea},
        {"htmlPopupMenuWizard", HtmlWizard::PopupMenu},
        {"htmlTableWizard", HtmlWizard::Table},
        {"htmlFramesetWizard", HtmlWizard::Frames},
        {"htmlLinkWizard", HtmlWizard::Link},
        {"htmlImageWizard", HtmlWizard::Image},
        {"htmlFontWizard", HtmlWizard::Font},
        {"htmlHorizontalRulerWizard", HtmlWizard::HorizontalRule},
        {"htmlCommentWizard", HtmlWizard::Comment},
        {"htmlOrderedListWizard", HtmlWizard::OrderedList},
        {"htmlUnorderedListWizard", HtmlWizard::UnorderedList},
        {"htmlObjectWizard", HtmlWizard::Object},
        {"htmlRolloverWizard", HtmlWizard::Rollover},
        {"htmlBrowserInformation", HtmlWizard::BrowserInformation},
        {"htmlRandomImages", HtmlWizard::RandomImages},
        {"htmlLinkForwarder", HtmlWizard::LinkForwarder},
    };
    for (const auto& [name, w] : kButtons)
        onButton(name, wizard(w));
    onButton("htmlTodaysDate", [this] { ScriptCommands::todaysDate(htmlHost()); });
    onButton("htmlDocumentLastModified", [this] { ScriptCommands::documentLastModified(htmlHost()); });
    if (QMenu* clock = toolPages->clockMenu) {
        for (QAction* a : clock->actions()) {
            if (a->objectName() == QLatin1String("statuslineClock"))
                connect(a, &QAction::triggered, this, [this] { ScriptCommands::statuslineClock(htmlHost()); });
            else if (a->objectName() == QLatin1String("textfieldClock"))
                connect(a, &QAction::triggered, this, [this] { ScriptCommands::textfieldClock(htmlHost()); });
        }
    }

    // "&Insert": one click, one piece of markup.
    for (const InlineInsertion::Command& c : InlineInsertion::commands()) {
        const QString handler = QLatin1String(c.handler);
        onMenu(c.menuName, [this, handler] { runInlineCommand(handler); });
    }
    buildPasteCodeMenu();

    // "&Modify": the selection wrapped.
    static const std::pair<const char*, const char*> kAlignments[] = {
        {"alignCentered", "Center"}, {"alignLeft", "Left"}, {"alignRight", "Right"}};
    for (const auto& [name, alignment] : kAlignments) {
        const QString a = QLatin1String(alignment);
        onMenu(name, [this, a] {
            if (TEditForm* e = GetActiveEditor())
                e->AlignmentTekst(a);
        });
    }
    static const std::tuple<const char*, const char*, const char*> kStyles[] = {
        {"styleItalic", "<i>", "</i>"}, {"styleBold", "<b>", "</b>"}, {"styleItalicsAndBold", "<b><i>", "</i></b>"}};
    for (const auto& [name, start, end] : kStyles) {
        const QString s = QLatin1String(start), t = QLatin1String(end);
        onMenu(name, [this, s, t] {
            if (TEditForm* e = GetActiveEditor())
                e->StartEndTagTekst(s, t);
        });
    }
}

// "Paste Code..": the "&Insert" menu again, as the button's drop-down
// (HTMLElement). Its items carry no shortcuts: Qt ignores a shortcut that
// two actions share.
void TMainForm::buildPasteCodeMenu()
{
    QToolButton* button = toolPages->htmlPasteCode;
    if (!button)
        return;
    auto* HTMLElement = new QMenu(button);
    HTMLElement->setObjectName(QStringLiteral("HTMLElement"));
    std::function<void(QMenu*, QMenu*)> copy = [&copy, this](QMenu* from, QMenu* to) {
        for (QAction* a : from->actions()) {
            if (a->isSeparator()) {
                to->addSeparator();
            } else if (QMenu* sub = a->menu()) {
                const bool characters = sub->objectName() == QLatin1String("specialCharactersMenu");
                QMenu* mirror = to->addMenu(characters ? QStringLiteral("Special Caracters") : sub->title());
                copy(sub, mirror);
            } else {
                QAction* item = to->addAction(a->text());
                QPointer<QAction> original = a;
                connect(item, &QAction::triggered, this, [original] {
                    if (original)
                        original->trigger();
                });
            }
        }
    };
    copy(menus->htmlInsertMenu, HTMLElement);
    button->setMenu(HTMLElement);
    button->setPopupMode(QToolButton::InstantPopup);
}
