// TMainForm: code assistance. The Java source scanners on the active
// document, Quick find, the completion switches and the templates.
#include "app/widgets/tmainform.h"

#include "app/widgets/mainmenus.h"
#include "app/widgets/toolpages.h"
#include "assist/autocompletetemplates.h"
#include "assist/javasourcemodel.h"
#include "assist/quickfind.h"
#include "assist/widgets/editortext.h"
#include "editor/widgets/tsynedit.h"
#include "settings/inifile.h"
#include "settings/programfolder.h"
#include "workspace/widgets/teditform.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>

namespace {

const QString kEditorOptions = QStringLiteral("EditorOptions");

// Hands a widget's events to a function first; goes with the widget.
class EventHook : public QObject {
public:
    EventHook(QObject* target, std::function<bool(QEvent*)> hook) : QObject(target), m_hook(std::move(hook))
    {
        target->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override { return m_hook(event); }

private:
    std::function<bool(QEvent*)> m_hook;
};

QByteArray documentOf(const TEditForm* editor)
{
    return editor ? EditorText::documentUtf8(editor->SynEdit1) : QByteArray();
}

std::string_view view(const QByteArray& bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

} // namespace

// ---- Java source scanners -------------------------------------------------

QStringList TMainForm::FinnKlasseNavnene() const
{
    const QByteArray doc = documentOf(GetActiveEditor());
    return JavaSourceModel::FinnKlasseNavnene(view(doc));
}

QStringList TMainForm::FinnAlleDatamedlemmer(const QString& className, bool includePrivate) const
{
    const QByteArray doc = documentOf(GetActiveEditor());
    return JavaSourceModel::FinnAlleDatamedlemmer(view(doc), className, includePrivate);
}

QStringList TMainForm::ClipAndFindMultilineDatamembers(const QString& className) const
{
    const QByteArray doc = documentOf(GetActiveEditor());
    return JavaSourceModel::ClipAndFindMultilineDatamembers(view(doc), className);
}

QStringList TMainForm::NormalizeMemberEntries(const QStringList& entries) const
{
    return JavaSourceModel::NormalizeMemberEntries(entries);
}

int TMainForm::FinnClassStart(int line) const
{
    const QByteArray doc = documentOf(GetActiveEditor());
    return JavaSourceModel::FinnClassStart(view(doc), line);
}

int TMainForm::FinnScopeSlutt(int line) const
{
    const TEditForm* editor = GetActiveEditor();
    if (!editor)
        return -1;
    const QByteArray doc = documentOf(editor);
    return JavaSourceModel::FinnScopeSlutt(view(doc), line);
}

// ---- templates and switches -----------------------------------------------

void TMainForm::LagNyCompletionListe()
{
    if (TemplateList.isEmpty())
        TemplateList = AutoCompleteTemplates::builtInList();
    const Result<QStringList> lines =
        AutoCompleteTemplates::readTemplateFile(programFile(QStringLiteral("completion/auto.cmp")));
    if (lines) {
        TemplateList = AutoCompleteTemplates::listFromFileLines(lines.value());
    } else {
        // The templates in effect stay and the rest of start-up goes on: the
        // message waits beside the window instead of holding start-up up. It
        // shows now, while the frame window is made, so that it takes no
        // keyboard from what is focused later, and is raised above the frame
        // once that shows.
        auto* box = new QMessageBox(QMessageBox::Critical, QApplication::applicationName(), lines.error(),
                                    QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
        QTimer::singleShot(0, box, [box] { box->raise(); });
    }
    SynAutoComplete1.setCompletionList(TemplateList);
}

void TMainForm::expandTemplate(const QString& word, TSynEdit* edit)
{
    SynAutoComplete1.Execute(word, edit);
}

void TMainForm::CompletionProposal1Click()
{
    try {
        SettingsIni->WriteBool(kEditorOptions, QStringLiteral("CompProposal"), menus->CompletionProposal1->isChecked());
    } catch (const IniWriteError& e) {
        reportError(e.message());
    }
}

void TMainForm::Autocompletion1Click()
{
    try {
        SettingsIni->WriteBool(kEditorOptions, QStringLiteral("AutoCompletion"), menus->Autocompletion1->isChecked());
    } catch (const IniWriteError& e) {
        reportError(e.message());
    }
}

// ---- Quick find -------------------------------------------------------------

void TMainForm::wireCodeAssistance()
{
    connect(menus->CompletionProposal1, &QAction::triggered, this, [this] { CompletionProposal1Click(); });
    connect(menus->Autocompletion1, &QAction::triggered, this, [this] { Autocompletion1Click(); });

    QComboBox* classes = toolPages->ClassNameCompoBox1;
    QComboBox* members = toolPages->ClassDatamemberComboBox2;
    // The class box is filled when it takes the focus and again before its
    // list opens; the member box opens its list when typed in.
    new EventHook(classes, [this](QEvent* e) {
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::MouseButtonPress)
            ClassNameCompoBox1Enter();
        return false;
    });
    new EventHook(members, [members](QEvent* e) {
        if (e->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->text().isEmpty() || !key->text().at(0).isPrint())
            return false;
        // The key searches the opened list: the closed box would choose the
        // first match at once, and so jump there and take the focus away.
        members->showPopup();
        QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
        QCoreApplication::sendEvent(members->view(), &again);
        return true;
    });
    connect(classes, &QComboBox::activated, this, [this] { ClassNameCompoBox1Click(); });
    connect(members, &QComboBox::activated, this, [this] { ClassDatamemberComboBox2Click(); });
    connect(toolPages->SpeedButton101, &QToolButton::clicked, this, [this] { SpeedButton101Click(); });
}

void TMainForm::ClassNameCompoBox1Enter()
{
    TEditForm* editor = GetActiveEditor();
    if (!editor || !editor->caption().contains(QLatin1String(".java")))
        return;
    QComboBox* box = toolPages->ClassNameCompoBox1;
    const QStringList names = FinnKlasseNavnene();
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown << box->itemText(i);
    if (shown == names)
        return;
    const QString current = box->currentText();
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(names);
    box->setCurrentIndex(names.indexOf(current));
}

void TMainForm::ClassNameCompoBox1Click()
{
    if (!GetActiveEditor())
        return;
    QComboBox* members = toolPages->ClassDatamemberComboBox2;
    members->clear();
    members->addItems(
        NormalizeMemberEntries(ClipAndFindMultilineDatamembers(toolPages->ClassNameCompoBox1->currentText())));
    members->setCurrentIndex(-1);
    members->setEnabled(toolPages->ClassNameCompoBox1->count() > 0);
    members->setFocus();
}

void TMainForm::ClassDatamemberComboBox2Click()
{
    TEditForm* editor = GetActiveEditor();
    if (!editor)
        return;
    const QByteArray doc = documentOf(editor);
    const int line = QuickFind::memberLine(view(doc), toolPages->ClassNameCompoBox1->currentText(),
                                           toolPages->ClassDatamemberComboBox2->currentText());
    if (line >= 0)
        editor->SynEdit1->setCaretXY(editor->SynEdit1->caretX(), line + 1);
    // The focus goes back to the editor, past the panes that would take it.
    QWidget* const panes[] = {KompilerErrors, REDebugLog, KompilatorLogTxt, toolPages->ClassNameCompoBox1,
                              toolPages->ClassDatamemberComboBox2};
    for (QWidget* w : panes)
        w->setEnabled(false);
    activateWindow();
    mdiArea->setActiveSubWindow(editor);
    editor->SynEdit1->setEditorFocus();
    for (QWidget* w : panes)
        w->setEnabled(true);
}

void TMainForm::SpeedButton101Click()
{
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Question"),
        QStringLiteral("Are you sure you want to hide the quick find tool? If yes, you can acivate it again at any "
                       "time from the menu (Edit->Options->Application)."),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    toolPages->GroupBox12->hide();
    try {
        SettingsIni->WriteBool(QStringLiteral("ApplicationOptions"), QStringLiteral("JavaQuickFind"), false);
    } catch (const IniWriteError& e) {
        reportError(e.message());
    }
}
