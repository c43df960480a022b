#include "workspace/widgets/teditform.h"

#include "editor/customlanguagehighlighter.h"

#include "editor/editorcolors.h"
#include "editor/textencoding.h"
#include "editor/tsyncsssyn.h"
#include "editor/tsynexporterhtml.h"
#include "editor/tsynexporterrtf.h"
#include "editor/tsyngeneralsyn.h"
#include "editor/tsynhtmlsyn.h"
#include "editor/tsynjavasyn.h"
#include "editor/tsynperlsyn.h"
#include "editor/tsynphpsyn.h"
#include "editor/tsynxmlsyn.h"
#include "editor/widgets/gutterglyphs.h"
#include "editor/widgets/tsynedit.h"
#include "editor/widgets/tsyngutter.h"
#include "settings/inifile.h"
#include "workspace/breakpoints.h"
#include "workspace/commenttests.h"
#include "workspace/documentnames.h"
#include "workspace/editorlogic.h"
#include "workspace/endtags.h"
#include "workspace/widgets/editorhost.h"
#include "workspace/widgets/editorsearch.h"
#include "workspace/widgets/tgotolinefrm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QVBoxLayout>

namespace {

const QString kOptions = QStringLiteral("ApplicationOptions");

} // namespace

TEditForm::TEditForm(EditorHost* host, QWidget* parent) : QMdiSubWindow(parent), m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    resize(378, 258);
    setWindowIcon(QIcon::fromTheme(QStringLiteral("text-x-generic")));

    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    SynEdit1 = new TSynEdit(body);
    layout->addWidget(SynEdit1, 1);
    auto* status = new QWidget(body);
    auto* statusLayout = new QHBoxLayout(status);
    statusLayout->setContentsMargins(2, 1, 2, 1);
    statusLayout->setSpacing(2);
    for (int i = 0; i < 4; ++i) {
        m_panels[i] = new QLabel(status);
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        m_panels[i]->setAlignment(i < 3 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        m_panels[i]->setMinimumWidth(i < 3 ? 80 : 20);
        statusLayout->addWidget(m_panels[i], i == 3 ? 1 : 0);
    }
    m_encodingPanel = new QLabel(status);
    m_encodingPanel->setObjectName(QStringLiteral("EncodingPanel"));
    m_encodingPanel->setFrameShape(QFrame::Panel);
    m_encodingPanel->setFrameShadow(QFrame::Sunken);
    m_encodingPanel->setToolTip(QStringLiteral("Encoding of the document"));
    statusLayout->addWidget(m_encodingPanel);
    layout->addWidget(status);
    setWidget(body);
    // The window's own Close keeps Ctrl+F4 but gives up Ctrl+W, which the
    // frame window's menu uses (the class wizard): with two owners of a key
    // Qt runs neither.
    if (QMenu* menu = systemMenu())
        for (QAction* a : menu->actions())
            if (a->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
                a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));

    // The edit control as every editor window starts: white, Courier New 10,
    // a 52 pixel gutter in Terminal, Java highlighting.
    m_glyphs = makeBookmarkGlyphs();
    SynEdit1->setBookmarkImages(m_glyphs);
    SynEdit1->setOptions(eoAutoIndent | eoDragDropEditing | eoDropFiles | eoScrollPastEol | eoSmartTabs |
                         eoTabsToSpaces | eoWantTabs);
    SynEdit1->setColor(Colors::clWhite);
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    SynEdit1->setFont(font);
    SynEdit1->gutter()->setGutterWidth(52);
    SynEdit1->gutter()->setGutterFont(QFont(QStringLiteral("Terminal"), 8));

    m_java = std::make_unique<TSynJavaSyn>();
    m_html = std::make_unique<TSynHTMLSyn>();
    m_css = std::make_unique<TSynCssSyn>();
    m_xml = std::make_unique<TSynXMLSyn>();
    m_perl = std::make_unique<TSynPerlSyn>();
    m_php = std::make_unique<TSynPHPSyn>();
    m_general = std::make_unique<TSynGeneralSyn>();
    for (TSynCustomHighlighter* hl : {static_cast<TSynCustomHighlighter*>(m_java.get()),
                                      static_cast<TSynCustomHighlighter*>(m_html.get()),
                                      static_cast<TSynCustomHighlighter*>(m_xml.get())})
        applyEditorWindowColors(*hl);
    m_general->setIdentifierChars(customLanguageIdentifierChars());
    SynEdit1->setHighlighter(m_java.get());

    SynEdit1->OnChange = [this] { SynEdit1Change(); };
    SynEdit1->OnKeyDown = [this](int& key, Qt::KeyboardModifiers shift) { SynEdit1KeyDown(key, shift); };
    SynEdit1->OnKeyPress = [this](QChar& key) { SynEdit1KeyPress(key); };
    SynEdit1->OnKeyUp = [this](int&, Qt::KeyboardModifiers) {
        // Typing on a marked line re-makes its breakpoint at the caret.
        if (Breakpoints::SynEdit1KeyUp(SynEdit1->editableMarks(), {SynEdit1->caretX(), SynEdit1->caretY()}))
            SynEdit1->marksChanged();
    };
    SynEdit1->OnMouseDown = [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        SynEdit1->setEditorFocus();
    };
    SynEdit1->OnSpecialLineColors = [this](int line, bool& special, TColor& fg, TColor& bg) {
        SynEdit1SpecialLineColors(line, special, fg, bg);
    };
    connect(SynEdit1, &TSynEdit::encodingChanged, this, [this] { showEncoding(); });
    showEncoding();
    connect(SynEdit1, &TSynEdit::insertModeChanged, this, [this](bool insert) {
        setStatusText(2, insert ? QStringLiteral("Insertion") : QStringLiteral("Overwrite"));
    });

    m_search = std::make_unique<EditorSearch>(this, SynEdit1, m_host);
    setUpHtmlCompletion();
    setUpCodeAssistance();
    buildPopupMenu();
    SynEdit1->setPopupMenu(PopupMenu1);
    setStatusText(2, QStringLiteral("Insertion"));
}

TEditForm::~TEditForm()
{
    m_search.reset();
    // The edit control goes with the window; it must not paint through a
    // highlighter that is already gone.
    SynEdit1->setHighlighter(nullptr);
}

QString TEditForm::captionExtension() const
{
    const QString name = caption();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot).toLower();
}

QString TEditForm::statusText(int panel) const
{
    return panel >= 0 && panel < 4 ? m_panels[panel]->text() : QString();
}

void TEditForm::setStatusText(int panel, const QString& text)
{
    if (panel >= 0 && panel < 4)
        m_panels[panel]->setText(text);
}

QString TEditForm::encodingText() const
{
    return m_encodingPanel->text();
}

void TEditForm::showEncoding()
{
    m_encodingPanel->setText(TextEncodings::displayName(SynEdit1->encoding()) +
                             (SynEdit1->hasByteOrderMark() ? QStringLiteral(" BOM") : QString()));
}

// ---- highlighters --------------------------------------------------------

void TEditForm::ChangeSyntaxToJava() { SynEdit1->setHighlighter(m_java.get()); }
void TEditForm::ChangeSyntaxToHTML() { SynEdit1->setHighlighter(m_html.get()); }
void TEditForm::ChangeSyntaxToCSS() { SynEdit1->setHighlighter(m_css.get()); }
void TEditForm::ChangeSyntaxToXML() { SynEdit1->setHighlighter(m_xml.get()); }
void TEditForm::ChangeSyntaxToPerl() { SynEdit1->setHighlighter(m_perl.get()); }
void TEditForm::ChangeSyntaxToPHP() { SynEdit1->setHighlighter(m_php.get()); }
void TEditForm::ChangeSyntaxToGeneralHighlighter() { SynEdit1->setHighlighter(m_general.get()); }
void TEditForm::ChangeSyntaxToNoHighlighter() { SynEdit1->setHighlighter(nullptr); }

// ---- text ----------------------------------------------------------------

void TEditForm::SkrivUtTekst(const QString& text)
{
    SynEdit1->setSelText(text);
}

void TEditForm::SetBreakpoint()
{
    Breakpoints::SetBreakpoint(SynEdit1->editableMarks(), {SynEdit1->caretX(), SynEdit1->caretY()});
    SynEdit1->marksChanged();
}

void TEditForm::BreakPointChange(int line, int imageIndex)
{
    Breakpoints::BreakPointChange(SynEdit1->editableMarks(), {SynEdit1->caretX(), SynEdit1->caretY()}, line,
                                  imageIndex);
    SynEdit1->marksChanged();
}

void TEditForm::ClearBreakPoint()
{
    Breakpoints::ClearBreakPoint(SynEdit1->editableMarks(), {SynEdit1->caretX(), SynEdit1->caretY()});
    SynEdit1->marksChanged();
}

void TEditForm::NextBreakPointJump()
{
    if (const auto line = Breakpoints::NextBreakPointJump(SynEdit1->marks(), {SynEdit1->caretX(), SynEdit1->caretY()}))
        SynEdit1->setCaretXY(SynEdit1->caretX(), *line);
}

void TEditForm::PreviousBreakPointJump()
{
    if (const auto line =
            Breakpoints::PreviousBreakPointJump(SynEdit1->marks(), {SynEdit1->caretX(), SynEdit1->caretY()}))
        SynEdit1->setCaretXY(SynEdit1->caretX(), *line);
}

QStringList TEditForm::SorterBreakPoints() const
{
    return Breakpoints::SorterBreakPoints(SynEdit1->marks());
}

bool TEditForm::IsBookmarkAtLine(int line) const
{
    return Breakpoints::IsBookmarkAtLine(SynEdit1->marks(), line);
}

void TEditForm::Fjernallbokmerker1Click()
{
    const Breakpoints::Caret back =
        Breakpoints::ClearAllBreakpoints(SynEdit1->editableMarks(), {SynEdit1->caretX(), SynEdit1->caretY()});
    SynEdit1->setCaretXY(back.Char, back.Line);
    SynEdit1->marksChanged();
}

void TEditForm::Soek() { m_search->Soek(); }
void TEditForm::Finn() { m_search->session().Finn(); }
void TEditForm::FinnNeste() { m_search->session().FinnNeste(); }
void TEditForm::Replace1Click() { m_search->showReplace(); }
void TEditForm::Replaceagain1Click() { m_search->session().replaceAgain(); }

void TEditForm::Gotoline1Click()
{
    auto* dialog = new TGotoLineFrm(SynEdit1->lineCount(), this);
    QPointer<TEditForm> self = this;
    connect(dialog, &TGotoLineFrm::lineChosen, this, [self](int line) {
        if (self)
            self->SynEdit1->setCaretY(line);
    });
    dialog->show();
}

void TEditForm::Undo1Click() { SynEdit1->undo(); }
void TEditForm::Gjenta1Click() { SynEdit1->redo(); }
void TEditForm::Copier1Click() { SynEdit1->copyToClipboard(); }
void TEditForm::Klipput1Click() { SynEdit1->cutToClipboard(); }
void TEditForm::Liminn1Click() { SynEdit1->pasteFromClipboard(); }
void TEditForm::VelgAlt1Click() { SynEdit1->selectAll(); }

// The comment tests walk the bytes of the lines.
int TEditForm::caretByteColumn() const
{
    return SynEdit1->byteColumn(SynEdit1->caretX(), SynEdit1->caretY());
}

bool TEditForm::isCaretXYInCommentHTMLv() const
{
    return CommentTests::isCaretXYInCommentHTMLv([this](int i) { return SynEdit1->lineBytes(i); }, caretByteColumn(),
                                                 SynEdit1->caretY());
}

bool TEditForm::isCaretXYInCommentXMLv() const
{
    return CommentTests::isCaretXYInCommentXMLv([this](int i) { return SynEdit1->lineBytes(i); }, caretByteColumn(),
                                                 SynEdit1->caretY());
}

bool TEditForm::isCaretXYInComment() const
{
    return CommentTests::isCaretXYInComment([this](int i) { return SynEdit1->lineBytes(i); }, caretByteColumn(),
                                            SynEdit1->caretY());
}

bool TEditForm::SingleTag(const QString& tag)
{
    return EndTags::SingleTag(tag);
}

void TEditForm::FindAndInsertEndTagHTML(const QString& lineText)
{
    const int column = SynEdit1->caretX();
    if (const auto endTag = EndTags::htmlEndTag(lineText, column)) {
        SynEdit1->setSelText(*endTag);
        SynEdit1->setCaretX(column);
    }
}

void TEditForm::FindAndInsertEndTagXML(const QString& lineText)
{
    const int column = SynEdit1->caretX();
    if (const auto endTag = EndTags::xmlEndTag(lineText, column)) {
        SynEdit1->setSelText(*endTag);
        SynEdit1->setCaretX(column);
    }
}

// ---- events --------------------------------------------------------------

void TEditForm::FormActivate()
{
    if (!LanguageName.trimmed().isEmpty())
        m_host->LoadLangData(LanguageName, false);
    LineNumbersOn = m_host->lineNumbersChecked();
    SynEdit1->gutter()->setShowLineNumbers(LineNumbersOn);
    int options = SynEdit1->options() & ~eoShowSpecialChars;
    try {
        if (m_host->settingsStore().ReadBool(kOptions, QStringLiteral("ViewSecialChars"), false))
            options |= eoShowSpecialChars;
    } catch (...) {
    }
    SynEdit1->setOptions(options);
    m_host->editorActivated(this);
}

void TEditForm::markUnmodified()
{
    Modified = false;
    setStatusText(1, QString());
    emit markedUnmodified();
}

void TEditForm::markModified()
{
    Modified = true;
    setStatusText(1, QStringLiteral("Modified"));
    emit edited();
}

void TEditForm::SynEdit1Change()
{
    markModified();
    if (SynEdit1->caretY() == HighlightLine && m_host->errorLineActive()) {
        m_host->setErrorLineActive(false);
        SynEdit1->invalidateLine(HighlightLine);
    }
}

void TEditForm::SynEdit1KeyDown(int& key, Qt::KeyboardModifiers shift)
{
    // Nothing in here may stop typing.
    try {
        switch (EditorLogic::classifyKeyDown(key, shift)) {
        case EditorLogic::KeyDownAction::Ignore:
        case EditorLogic::KeyDownAction::KeepFocus:
            break;
        case EditorLogic::KeyDownAction::ToggleInsertMode:
            setStatusText(2, statusText(2) == QLatin1String("Overwrite") ? QStringLiteral("Insertion")
                                                                          : QStringLiteral("Overwrite"));
            break;
        case EditorLogic::KeyDownAction::SpaceTrigger:
            htmlSpaceDown(shift);
            spaceDown(shift);
            break;
        case EditorLogic::KeyDownAction::MarkModified:
            markModified();
            setStatusText(0, QStringLiteral(" %1:%2").arg(SynEdit1->caretY()).arg(SynEdit1->caretX()));
            break;
        }
    } catch (...) {
    }
}

void TEditForm::SynEdit1KeyPress(QChar& key)
{
    if (key == QLatin1Char('.')) {
        SynEdit1->setSelText(QStringLiteral("."));
        key = QChar();
        SynEdit1->setEditorFocus();
        dotTyped();
        return;
    }
    if (key == QLatin1Char('>')) {
        const QString ext = captionExtension();
        if (ext.contains(QLatin1String(".htm"))) {
            if (!isCaretXYInCommentHTMLv())
                FindAndInsertEndTagHTML(SynEdit1->lineText());
        } else if (ext.contains(QLatin1String(".xml"))) {
            if (!isCaretXYInCommentXMLv())
                FindAndInsertEndTagXML(SynEdit1->lineText());
        }
    }
}

void TEditForm::SynEdit1SpecialLineColors(int line, bool& special, TColor& foreground, TColor& background)
{
    if (m_host->errorLineActive() && line == HighlightLine) {
        special = true;
        foreground = Colors::clWhite;
        background = Colors::clMaroon;
    }
}

// ---- saving --------------------------------------------------------------

bool TEditForm::writeTo(const QString& path)
{
    const Result<void> r = SynEdit1->saveToFile(path);
    if (!r) {
        QMessageBox::critical(this, QApplication::applicationName(), r.error());
        return false;
    }
    return true;
}

bool TEditForm::SaveFileAs()
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = m_host->filesFilter().split(QStringLiteral(";;"));
    dialog.setNameFilters(filters);
    const int entry = EditorLogic::saveFilterIndex(captionExtension(), m_host->filesFilterCount());
    if (entry >= 1 && entry <= filters.size())
        dialog.selectNameFilter(filters[entry - 1]);
    // An HTML page starts in its project; otherwise the working folder the
    // user chose, the document's own folder or the one the file panel shows.
    if (captionExtension().contains(QLatin1String(".htm")) && !m_host->projectCatalog().isEmpty())
        dialog.setDirectory(m_host->projectCatalog());
    else if (!m_host->workingFolder().isEmpty())
        dialog.setDirectory(m_host->workingFolder());
    else if (!FileName.isEmpty())
        dialog.setDirectory(QFileInfo(FileName).absolutePath());
    else
        dialog.setDirectory(m_host->browsedFolder());
    dialog.setDefaultSuffix(captionExtension().mid(1));
    dialog.selectFile(caption());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString path = dialog.selectedFiles().first();
    // Two open documents of one name could not be told apart.
    if (TEditForm* other = m_host->editorNamed(QFileInfo(path).fileName()); other && other != this) {
        if (QMessageBox::question(this, QStringLiteral("Question"), duplicateNameQuestion(),
                                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            mdiArea()->setActiveSubWindow(other);
        return false;
    }
    if (QFileInfo::exists(path) && !confirmOverwrite())
        return false;
    const QString oldCaption = caption();
    FileName = path;
    const QString newCaption = QFileInfo(path).fileName();
    m_host->OppdaterListeView(newCaption, oldCaption);
    setCaption(newCaption);
    QCoreApplication::processEvents();
    if (!writeTo(FileName))
        return false;
    markUnmodified();
    HasFile = true;
    m_host->AddFileToHist(path);
    return true;
}

bool TEditForm::confirmOverwrite()
{
    return QMessageBox::warning(this, QStringLiteral("Warning"), QStringLiteral("File aldready exists, overwrite ?"),
                                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString TEditForm::savePath() const
{
    return QFileInfo(FileName).absoluteDir().filePath(caption());
}

bool TEditForm::SaveFileNow()
{
    if (!HasFile && Modified)
        SaveFileAs();
    if (!HasFile)
        return false;
    const QString path = savePath();
    if (m_confirmOverwrite && QFileInfo::exists(path) && !confirmOverwrite())
        return false;
    if (!writeTo(path))
        return false;
    m_confirmOverwrite = false;
    HasFile = true;
    markUnmodified();
    return true;
}

// ---- closing -------------------------------------------------------------

void TEditForm::closeEvent(QCloseEvent* event)
{
    bool warn = true;
    // The setting matters only for a modified document.
    if (Modified) {
        try {
            warn = m_host->settingsStore().ReadBool(kOptions, QStringLiteral("WarnBeforeClose"), true);
        } catch (...) {
        }
    }
    if (Modified && warn) {
        const auto answer =
            QMessageBox::question(this, QStringLiteral("Question"), QStringLiteral("Save changes made to the document?"),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        // A save that was cancelled or failed keeps the window and its text.
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !SaveFileNow())) {
            m_host->setClosingFromList(false);
            event->ignore();
            return;
        }
    }
    if (!m_host->closingFromList())
        m_host->RemoveItemFromList(caption());
    m_host->setClosingFromList(false);
    m_host->editorClosing(this, m_host->openDocumentCount() <= 1);
    event->accept();
    QMdiSubWindow::closeEvent(event);
}
