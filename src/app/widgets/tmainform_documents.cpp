// TMainForm: the registry of open documents and the commands that open,
// save, close and arrange them.
#include "app/widgets/filepanel.h"
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "app/widgets/toolpages.h"
#include "editor/customlanguagehighlighter.h"
#include "editor/tsyngeneralsyn.h"
#include "editor/widgets/tsynedit.h"
#include "settings/customlanguages.h"
#include "settings/inifile.h"
#include "settings/programfolder.h"
#include "utilities/widgets/tsynspellcheck.h"
#include "workspace/documentnames.h"
#include "workspace/widgets/teditform.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMessageBox>
#include <QTimer>
#include <QTreeWidget>

TEditForm* TMainForm::GetActiveEditor() const
{
    return qobject_cast<TEditForm*>(mdiArea->activeSubWindow());
}

void TMainForm::FindUnitFileName(QString& fileName) const
{
    if (TEditForm* e = GetActiveEditor())
        fileName = e->FileName;
}

std::vector<TEditForm*> TMainForm::editors() const
{
    std::vector<TEditForm*> out;
    for (QMdiSubWindow* w : mdiArea->subWindowList(QMdiArea::CreationOrder))
        if (auto* e = qobject_cast<TEditForm*>(w))
            out.push_back(e);
    return out;
}

TEditForm* TMainForm::AddUnit(const QString& name, const QString& extension, const FileImage* text)
{
    ++OpenDocumentCount;
    auto* editor = new TEditForm(this);
    mdiArea->addSubWindow(editor);
    if (extension.contains(QLatin1String(".java"))) {
        ViewJavaInMainMenu(true);
        ViewMainMenu(QStringLiteral(".java"));
        editor->setPopupGroups(QStringLiteral(".java"));
    } else if (extension.contains(QLatin1String(".htm"))) {
        ViewJavaInMainMenu(false);
        ViewMainMenu(QStringLiteral(".htm"));
        editor->setPopupGroups(QStringLiteral(".html"));
    } else {
        ViewJavaInMainMenu(false);
        editor->setPopupGroups(QStringLiteral(".other"));
        ViewMainMenu(QStringLiteral(".other"));
    }
    editor->setCaption(QFileInfo(name).fileName());
    if (QFileInfo(name).isAbsolute() && text) {
        editor->FileName = name;
        editor->SynEdit1->loadFromBytes(*text);
    } else if (QFileInfo(name).isAbsolute()) {
        editor->FileName = name;
        const Result<void> r = editor->SynEdit1->loadFromFile(name);
        if (!r) {
            QMessageBox::warning(this, QStringLiteral("Warning"), QStringLiteral("Could not open file ") + name +
                                                                      QStringLiteral("\n\n") + r.error());
            // The empty window must never be saved over the file it failed
            // to read: it keeps its caption but no longer names the file.
            editor->FileName.clear();
        }
    } else {
        editor->FileName.clear();
        editor->SynEdit1->setCaretX(1);
    }
    editor->LanguageName.clear();
    watchForBackups(editor);
    editor->show();
    mdiArea->setActiveSubWindow(editor);
    return editor;
}

TEditForm* TMainForm::MakeUnit(const QString& extension)
{
    QStringList open;
    for (TEditForm* e : editors())
        open << e->caption();
    const QString name =
        QStringLiteral("Untitled%1%2").arg(nextUntitledNumber(open, OpenDocumentCount)).arg(extension);
    TEditForm* editor = AddUnit(name, extension);
    new QTreeWidgetItem(ListView1, {name});
    UpdateListView1ItemSize();
    return editor;
}

TEditForm* TMainForm::MakeUnitByName(const QString& name, const QString& text)
{
    TEditForm* editor = AddUnit(name, QFileInfo(name).suffix().isEmpty()
                                          ? QString()
                                          : QLatin1Char('.') + QFileInfo(name).suffix().toLower());
    new QTreeWidgetItem(ListView1, {name});
    editor->ChangeSyntaxToHTML();
    SkrivTekstenTilEditor(text);
    editor->SynEdit1->setCaretXY(1, 6);
    editor->SynEdit1->flushPendingChange();
    editor->markUnmodified();
    editor->LeggTilEditor();
    LoadUserSettings();
    UpdateListView1ItemSize();
    return editor;
}

void TMainForm::SkrivTekstenTilEditor(const QString& text)
{
    if (TEditForm* e = GetActiveEditor())
        e->SkrivUtTekst(text);
}

void TMainForm::LoadFile(const QString& path, const FileImage* text)
{
    // Text restored from a backup is not read from the file.
    if (!text && !mayOpenFile(path))
        return;
    EnableMainMenu();
    toolPages->ClassNameCompoBox1->setCurrentIndex(-1);
    toolPages->ClassDatamemberComboBox2->setCurrentIndex(-1);
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QString extension = suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix;
    TEditForm* editor = AddUnit(path, extension, text);
    EnableDisableTabs(true);
    UpdateMaskAndJTab();
    new QTreeWidgetItem(ListView1, {QFileInfo(path).fileName()});
    // A file that could not be read stays unbound, so Save asks for a name.
    editor->HasFile = !editor->FileName.isEmpty();
    CurrentExtension = extension;
    // An HTML page may end in .htm or .html: the list shows both, so the
    // page just opened stays in view.
    filePanel->setFileMask(extension.contains(QLatin1String(".htm")) ? QStringLiteral("*.htm;*.html")
                                                                      : QLatin1Char('*') + extension);
    SaveFileHistory(path);

    if (extension.contains(QLatin1String(".java"))) {
        editor->ChangeSyntaxToJava();
    } else if (extension.contains(QLatin1String(".htm"))) {
        editor->ChangeSyntaxToHTML();
    } else if (extension.contains(QLatin1String(".css"))) {
        editor->ChangeSyntaxToCSS();
    } else if (extension.contains(QLatin1String(".xml"))) {
        editor->ChangeSyntaxToXML();
    } else if (extension.contains(QLatin1String(".pl"))) {
        editor->ChangeSyntaxToPerl();
    } else if (extension.contains(QLatin1String(".php"))) {
        editor->ChangeSyntaxToPHP();
    } else if (extension.contains(QLatin1String(".txt"))) {
        editor->ChangeSyntaxToNoHighlighter();
    } else {
        const QString language = FindLangNameFromFilterString(extension, m_filterEntries);
        editor->ChangeSyntaxToGeneralHighlighter();
        if (const auto colors = languageColorFile(language))
            editor->generalHighlighter()->LoadAttributesFromIni(IniFile(*colors));
        EnableGeneralButtons(true);
        ViewJavaInMainMenu(false);
        LoadLangData(language, false);
        editor->LanguageName = language;
    }
    LoadUserSettings();
    UpdateListView1ItemSize();
}

TEditForm* TMainForm::editorNamed(const QString& name) const
{
    for (TEditForm* e : editors())
        if (sameDocumentName(e->caption(), name))
            return e;
    return nullptr;
}

bool TMainForm::AllreadyOpen(const QString& fileName) const
{
    return editorNamed(fileName) != nullptr;
}

QString TMainForm::browsedFolder() const
{
    return filePanel->directory();
}

void TMainForm::openFromPanel(const QString& path)
{
    if (path.isEmpty())
        return;
    if (!AllreadyOpen(QFileInfo(path).fileName())) {
        LoadFile(path);
        LoadHistFromFile();
        EnableGeneralButtons(true);
        return;
    }
    if (QMessageBox::question(this, QStringLiteral("Question"), duplicateNameQuestion(),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    if (TEditForm* e = editorNamed(QFileInfo(path).fileName()))
        activateEditor(e);
}

void TMainForm::activateEditor(TEditForm* editor)
{
    if (editor->isMinimized())
        editor->showNormal();
    mdiArea->setActiveSubWindow(editor);
}

void TMainForm::Load1Click()
{
    const QString start = m_workingDirs.openDialog.isEmpty() ? filePanel->directory() : m_workingDirs.openDialog;
    const QString path = QFileDialog::getOpenFileName(this, QString(), start, filesFilter());
    if (!path.isEmpty())
        openFromPanel(path);
}

void TMainForm::Save1Click()
{
    TEditForm* e = GetActiveEditor();
    if (!e)
        return;
    const int line = e->SynEdit1->caretY(), column = e->SynEdit1->caretX();
    e->SaveFileNow();
    e->SynEdit1->setCaretY(line);
    e->SynEdit1->setCaretX(column);
}

void TMainForm::SaveAs1Click()
{
    TEditForm* e = GetActiveEditor();
    if (!e)
        return;
    const int line = e->SynEdit1->caretY(), column = e->SynEdit1->caretX();
    e->SaveFileAs();
    e->SynEdit1->setCaretY(line);
    e->SynEdit1->setCaretX(column);
}

void TMainForm::Saveall1Click()
{
    for (TEditForm* e : editors()) {
        if (!e->FileName.trimmed().isEmpty())
            e->SaveFileNow();
        else
            e->SaveFileAs();
    }
}

void TMainForm::AutosaveTimerTimer()
{
    TEditForm* e = GetActiveEditor();
    if (e && !e->FileName.trimmed().isEmpty() && e->HasFile)
        e->SaveFileNow();
}

void TMainForm::Close1Click()
{
    if (TEditForm* e = GetActiveEditor())
        e->close();
}

bool TMainForm::CloseAll()
{
    std::vector<TEditForm*> windows = editors();
    for (int i = int(windows.size()) - 1; i >= 0; --i) {
        QPointer<TEditForm> w = windows[std::size_t(i)];
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (w && w->isVisible())
            return false; // the user kept it open
    }
    return true;
}

void TMainForm::TileHorizontally1Click()
{
    // One above the other, each the full width.
    const std::vector<TEditForm*> windows = editors();
    if (windows.empty())
        return;
    const QRect area = mdiArea->viewport()->rect();
    const int h = area.height() / int(windows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(0, int(i) * h, area.width(), h);
    }
}

void TMainForm::TileVertically1Click()
{
    const std::vector<TEditForm*> windows = editors();
    if (windows.empty())
        return;
    const QRect area = mdiArea->viewport()->rect();
    const int w = area.width() / int(windows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(int(i) * w, 0, w, area.height());
    }
}

void TMainForm::MinimizeAll1Click()
{
    const std::size_t count = editors().size();
    for (std::size_t i = 0; i < count; ++i) {
        if (TEditForm* e = GetActiveEditor())
            e->showMinimized();
        mdiArea->activateNextSubWindow();
    }
}

void TMainForm::Nexteditorwindow1Click() { mdiArea->activateNextSubWindow(); }
void TMainForm::Previouseditorwindow1Click() { mdiArea->activatePreviousSubWindow(); }

void TMainForm::Gotodocumentwindow1Click()
{
    QTreeWidgetItem* row = ListView1->currentItem();
    if (!row)
        return;
    if (TEditForm* e = editorNamed(row->text(0)))
        activateEditor(e);
}

void TMainForm::Delete1Click()
{
    QTreeWidgetItem* row = ListView1->currentItem();
    if (!row)
        return;
    bool closed = true;
    if (QPointer<TEditForm> w = editorNamed(row->text(0))) {
        ClosingFromList = true;
        w->close();
        QCoreApplication::processEvents();
        closed = !w || !w->isVisible();
    }
    ClosingFromList = false;
    // A row without a window goes too.
    if (closed)
        delete row;
    UpdateListView1ItemSize();
}

void TMainForm::RemoveItemFromList(const QString& caption)
{
    const QString wanted = caption.trimmed();
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
        if (ListView1->topLevelItem(i)->text(0).trimmed() == wanted) {
            delete ListView1->takeTopLevelItem(i);
            return;
        }
}

void TMainForm::OppdaterListeView(const QString& newCaption, const QString& oldCaption)
{
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
        if (ListView1->topLevelItem(i)->text(0) == oldCaption)
            ListView1->topLevelItem(i)->setText(0, newCaption);
}

void TMainForm::UpdateListView1ItemSize()
{
    const int rows = ListView1->height() / 20;
    if (rows == 0)
        return;
    int width = ListView1->width() - 5;
    if (ListView1->topLevelItemCount() > rows)
        width -= 16;
    ListView1->setColumnWidth(0, std::max(width, 20));
}

void TMainForm::editorClosing(TEditForm* editor, bool lastWindow)
{
    debugEditorClosing(editor);
    if (lastWindow) {
        try {
            SettingsIni->WriteBool(QStringLiteral("ApplicationOptions"), QStringLiteral("MaxWinAtStart"),
                                   editor->isMinimized() || editor->isMaximized());
        } catch (const IniWriteError& e) {
            reportError(e.message());
        }
        ViewMainMenu(QString());
        DisableMainMenu();
        EnableDisableTabs(false);
        toolPages->setPageVisible(ToolPages::Page::Java, false);
        toolPages->setPageVisible(ToolPages::Page::Html, false);
        toolPages->setPageVisible(ToolPages::Page::General, true);
        toolPages->selectPage(ToolPages::Page::Files);
    }
    --OpenDocumentCount;
    SpellChecker1->setEditor(nullptr);
    QTimer::singleShot(0, this, [this] { UpdateListView1ItemSize(); });
}

void TMainForm::setErrorLineActive(bool active)
{
    ErrorLineActive = active;
    // Every window paints from the shared flag.
    for (TEditForm* e : editors())
        e->SynEdit1->invalidate();
}
