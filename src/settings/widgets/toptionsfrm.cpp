#include "settings/widgets/toptionsfrm.h"

#include "settings/changeset.h"
#include "settings/customlanguages.h"
#include "settings/inifile.h"
#include "settings/optionssettings.h"
#include "settings/templateworkingcopy.h"
#include "settings/widgets/colorschemepage.h"
#include "settings/widgets/completionpages.h"
#include "settings/widgets/generaloptionspages.h"
#include "settings/widgets/helpwindow.h"
#include "settings/widgets/optionshost.h"
#include "settings/widgets/shortcutspage.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const char* const kCaptions[] = {"Editor",          "Compiler",        "Application",  "Shortcuts", "Comp. proposal",
                                 "Syn.Higlighting", "Auto completion", "Spell Checker"};
const char* const kTopics[] = {"HID_OPTEDITOR",         "HID_OPTCOMPILER", "HID_APPLICATIONOPT",
                               "HID_OPTSHORTCUT",       "HID_COMLETIONTUTORIAL", "HID_SYNHIGOPT",
                               "HID_AUTOCOMLETION",     "HID_SPELLCHECKOPT"};

} // namespace

TOptionsFrm::TOptionsFrm(OptionsHost* host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("TOptionsFrm"));
    setWindowTitle(QStringLiteral("Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    PageList = new QListWidget(this);
    PageList->setObjectName(QStringLiteral("PageList"));
    PageList->setAccessibleName(QStringLiteral("Pages"));
    PageList->setSpacing(2);
    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    editorPage = new EditorOptionsPage(PageControl1);
    compilerPage = new CompilerOptionsPage(host, PageControl1);
    applicationPage = new ApplicationOptionsPage(PageControl1);
    shortcutsPage = new ShortcutsPage(host, PageControl1);
    compProposalPage = new CompProposalPage(PageControl1);
    colorPage = new ColorSchemePage(host, PageControl1);
    autoCompletionPage = new AutoCompletionPage(host, PageControl1);
    spellPage = new SpellCheckOptionsPage(host, PageControl1);
    const QList<QWidget*> pages = {editorPage,       compilerPage, applicationPage,    shortcutsPage,
                                   compProposalPage, colorPage,    autoCompletionPage, spellPage};
    for (int i = 0; i < pages.size(); ++i)
        addPage(QLatin1String(kCaptions[i]), pages[i]);
    // Every caption shows at once, however large the font.
    PageList->setFixedWidth(PageList->sizeHintForColumn(0) + 2 * PageList->frameWidth() + 16);
    PageList->setCurrentRow(0);
    connect(PageList, &QListWidget::currentRowChanged, PageControl1, &QStackedWidget::setCurrentIndex);

    auto* buttons = new QDialogButtonBox(this);
    Button1 = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button9 = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    Button9->setObjectName(QStringLiteral("Button9"));
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this] { FormClose(); });
    connect(Button9, &QPushButton::clicked, this, [this] { Button9Click(); });

    auto* body = new QHBoxLayout;
    body->addWidget(PageList);
    body->addWidget(PageControl1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);

    FormCreate();

    // Centred on the screen, within it.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(sizeHint().boundedTo(area.size()).expandedTo(minimumSizeHint()));
        move(area.center() - rect().center());
    }
}

TOptionsFrm::~TOptionsFrm() = default;

void TOptionsFrm::addPage(const QString& caption, QWidget* page)
{
    page->setObjectName(page->objectName().isEmpty() ? caption : page->objectName());
    PageList->addItem(caption);
    PageControl1->addWidget(page);
}

int TOptionsFrm::currentPage() const
{
    return PageControl1->currentIndex();
}

void TOptionsFrm::setCurrentPage(int page)
{
    PageList->setCurrentRow(page);
}

void TOptionsFrm::showNewLanguageTab()
{
    setCurrentPage(SynHighlighting);
    colorPage->showNewLanguageTab();
}

void TOptionsFrm::FormCreate()
{
    spellPage->fillLanguages(m_host->dictionaryLanguages());
    shortcutsPage->LoadShortcuts();
    colorPage->startOnJava();
    colorPage->insertCustomTabs(LoadCustomLanglistFromFile());
    colorPage->fillPresets();
    colorPage->firstRun();
    autoCompletionPage->GetKeywordList();
    ReadIniFile();
    colorPage->ReloadAttributes();
    compProposalPage->fillClasses();
    editorPage->fillFonts();
}

void TOptionsFrm::ReadIniFile()
{
    const bool english = m_host->dictionaryLanguages().contains(QStringLiteral("English"));
    const OptionsSettings s = OptionsSettings::read(m_host->settingsStore(), english);
    editorPage->load(s);
    compilerPage->load(s);
    applicationPage->load(s);
    spellPage->load(s);
}

bool TOptionsFrm::Button1Click()
{
    OptionsSettings s;
    editorPage->store(s);
    compilerPage->store(s);
    applicationPage->store(s);
    spellPage->store(s);
    // Nothing is written before every value is known to be good.
    if (const auto message = s.invalidNumber()) {
        QMessageBox::critical(this, QStringLiteral("Error"), *message);
        return false;
    }
    if (!autoCompletionPage->commit())
        return false;

    IniBatch settings;
    s.write(settings);
    ChangeSet changes;
    if (!colorPage->commit(settings, changes))
        return false;
    settings.WriteString(QStringLiteral("CompilerOptions"), QStringLiteral("DebugGenOptions"),
                         DebugGenOptions(s.compiler));
    shortcutsPage->UpdateShortcutList(settings);
    changes.editIni(m_host->settingsStore().fileName(), settings);
    const TemplateWorkingCopy& templates = autoCompletionPage->workingCopy();
    if (templates.fileExists())
        changes.writeList(TemplateWorkingCopy::file(), templates.lines());
    if (Result<void> r = changes.apply(); !r) {
        QMessageBox::critical(this, QStringLiteral("Error"), r.error());
        return false;
    }

    m_host->applyOptions(s);
    m_host->templatesSaved();
    if (shortcutsPage->changed())
        m_host->LoadShortcuts();
    accept();
    return true;
}

QString TOptionsFrm::helpTopic(int page)
{
    return page >= 0 && page < 8 ? QLatin1String(kTopics[page]) : QString();
}

void TOptionsFrm::Button9Click()
{
    HelpWindow::instance()->showTopic(helpTopic(currentPage()));
}

void TOptionsFrm::FormClose()
{
    m_host->customLanguagesChanged();
}
