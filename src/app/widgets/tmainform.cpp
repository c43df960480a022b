#include "app/widgets/tmainform.h"

#include "app/widgets/filepanel.h"
#include "app/widgets/mainmenus.h"
#include "app/widgets/toolpages.h"
#include "settings/fileaccess.h"
#include "settings/inifile.h"
#include "settings/programfolder.h"
#include "settings/settingranges.h"
#include "settings/widgets/helpwindow.h"
#include "workspace/widgets/teditform.h"
#include "workspace/widgets/tsavedocchangefrm.h"
#include "editor/widgets/tsyneditprint.h"

#include <QPrinter>

#include <Qsci/qsciglobal.h>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QDesktopServices>
#include <QHeaderView>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QDir>
#include <QVBoxLayout>

#include <jpeglib.h>

namespace {
const QString kOptions = QStringLiteral("ApplicationOptions");
}

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Pellam Vornic v3.2"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("accessories-text-editor")));
    buildLayout();
    buildNewDocumentMenus();
    wireCommands();
    wireEditingCommands();
    wireCompiler();
    wireDebugger();
    wireHtml();
    wireCodeAssistance();
    wirePrinting();
    wireUtilities();
    wireGenerators();
    wireOptions();
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::buildLayout()
{
    menus = new MainMenus(menuBar());

    m_splitter1 = new QSplitter(Qt::Horizontal, this);
    m_splitter1->setHandleWidth(5);
    m_splitter1->setChildrenCollapsible(false);
    m_leftPanel = new QWidget(m_splitter1);
    auto* leftLayout = new QVBoxLayout(m_leftPanel);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    toolPages = new ToolPages(m_leftPanel);
    PageControl3 = toolPages;
    leftLayout->addWidget(toolPages);
    filePanel = new FilePanel(toolPages->TabSheet5);
    toolPages->filesLayout->addWidget(filePanel);

    m_splitter2 = new QSplitter(Qt::Vertical, m_splitter1);
    m_splitter2->setHandleWidth(5);
    mdiArea = new QMdiArea(m_splitter2);
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    buildBottomPane();
    m_splitter2->setStretchFactor(0, 1);
    m_splitter1->setStretchFactor(1, 1);
    m_splitter1->setSizes({179, 1000});
    m_splitter2->setSizes({600, 150});
    setCentralWidget(m_splitter1);

    connect(m_splitter1, &QSplitter::splitterMoved, this, [this] {
        // The file panel's boxes follow by its layout, beside their captions.
        if (!PageControl3->isVisible())
            return;
        const int width = std::max(20, toolPages->GroupBox12->width() - 25);
        toolPages->ClassNameCompoBox1->setFixedWidth(width);
        toolPages->ClassDatamemberComboBox2->setFixedWidth(width);
    });
    connect(mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (auto* editor = qobject_cast<TEditForm*>(window))
            editor->FormActivate();
        UpdateListView1ItemSize();
    });
    connect(filePanel, &FilePanel::fileActivated, this, [this](const QString& path) { openFromPanel(path); });
}

void TMainForm::buildBottomPane()
{
    PageControl4 = new QTabWidget(m_splitter2);
    PageControl4->setTabPosition(QTabWidget::South);

    ListView1 = new QTreeWidget;
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setHeaderLabels({QStringLiteral("Filename")});
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->header()->setSectionsClickable(false);
    ListView1->header()->setStretchLastSection(false);
    // The column is fitted whenever the list's size changes, the first
    // layout included.
    ListView1->installEventFilter(this);
    QPalette blue = ListView1->palette();
    blue.setColor(QPalette::Text, Qt::blue);
    ListView1->setPalette(blue);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* listPopup = new QMenu(ListView1);
    connect(listPopup->addAction(QStringLiteral("Goto document window")), &QAction::triggered, this,
            [this] { Gotodocumentwindow1Click(); });
    connect(listPopup->addAction(QStringLiteral("Close document window")), &QAction::triggered, this,
            [this] { Delete1Click(); });
    connect(ListView1, &QWidget::customContextMenuRequested, this,
            [this, listPopup](const QPoint& p) { listPopup->exec(ListView1->viewport()->mapToGlobal(p)); });
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { Gotodocumentwindow1Click(); });
    PageControl4->addTab(ListView1, QStringLiteral("Open Files"));

    KompilerErrors = new QTreeWidget;
    KompilerErrors->setObjectName(QStringLiteral("KompilerErrors"));
    KompilerErrors->setHeaderLabels({QStringLiteral("Line"), QStringLiteral("Error message")});
    KompilerErrors->setRootIsDecorated(false);
    PageControl4->addTab(KompilerErrors, QStringLiteral("Compiler messages"));

    auto pane = [this](const char* name, const char* tab) {
        auto* text = new QPlainTextEdit;
        text->setObjectName(QLatin1String(name));
        text->setReadOnly(true);
        PageControl4->addTab(text, QLatin1String(tab));
        return text;
    };
    REDebugLog = pane("REDebugLog", "Debugger");
    KompilatorLogTxt = pane("KompilatorLogTxt", "Compiler output");
    REDebugVar = pane("REDebugVar", "Debug vars");
    REDebugVar->setPlainText(QStringLiteral("Debugger not running, not tracking vars."));
    EnableDisableTabs(false);
}

void TMainForm::FormCreate()
{
    UpdateFilesFilter();
    LoadCustomLanglistFromFile();
    ViewMainMenu(QString());
    OpenDocumentCount = 0;
    ProjectCatalog.clear();
    ImagesFolder = QStringLiteral("images");
    toolPages->setPageVisible(ToolPages::Page::Java, false);
    toolPages->setPageVisible(ToolPages::Page::Html, false);
    LagNyCompletionListe();

    SettingsPath = programFile(QStringLiteral("Vornic.ini"));
    SettingsIni = std::make_unique<IniFile>(SettingsPath);

    AutosaveTimer = new QTimer(this);
    connect(AutosaveTimer, &QTimer::timeout, this, [this] { AutosaveTimerTimer(); });
    if (SettingsIni->ReadBool(kOptions, QStringLiteral("AutoSave"), false)) {
        AutosaveTimer->setInterval(
            SettingRanges::autoSaveIntervalMs(SettingsIni->ReadInteger(kOptions, QStringLiteral("AutoSaveInterval"), 1)));
        AutosaveTimer->start();
    }
    wireHistory();
    wireRunner();
    wireEncodings();
    // Shown once the frame window is up: a dialog mapped before its parent
    // is not kept above it, and the frame came up over the tip and hid it.
    if (SettingsIni->ReadBool(QStringLiteral("Tips"), QStringLiteral("doShow"), true))
        QTimer::singleShot(0, this, [this] { showTipOfTheDay(); });
    CurrentExtension.clear();
    ClosingFromList = false;
    DisableMainMenu();
    LoadShortcuts();

    OneTimeTimer = new QTimer(this);
    OneTimeTimer->setSingleShot(true);
    OneTimeTimer->setInterval(100);
    connect(OneTimeTimer, &QTimer::timeout, this, [this] { OneTimeTimerTimer(); });
    OneTimeTimer->start();
}

void TMainForm::OneTimeTimerTimer()
{
    // The left panel starts 179 pixels wide once the frame has its size.
    m_splitter1->setSizes({179, std::max(200, width() - 179)});
    const QStringList args = FileAccess::programArguments();
    const QString first = args.size() > 1 ? args[1].trimmed() : QString();
    if (!first.isEmpty())
        LoadFile(QDir::current().absoluteFilePath(first));
    applyQuickFind();
    setUpSpellChecker();
}

void TMainForm::applyQuickFind()
{
    try {
        toolPages->GroupBox12->setVisible(SettingsIni->ReadBool(kOptions, QStringLiteral("JavaQuickFind"), true));
    } catch (...) {
    }
}

void TMainForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        applyQuickFind(); // FormActivate
    QMainWindow::changeEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListView1 && event->type() == QEvent::Resize)
        UpdateListView1ItemSize();
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::reportError(const QString& message)
{
    QMessageBox::critical(this, QApplication::applicationName(), message);
}

// ---- closing the program -------------------------------------------------

bool TMainForm::FormCloseQuery()
{
    const std::vector<TEditForm*> windows = editors();
    if (windows.empty() || !SettingsIni->ReadBool(kOptions, QStringLiteral("WarnBeforeClose"), true))
        return true;
    QStringList modified;
    for (TEditForm* w : windows)
        if (w->Modified)
            modified << w->caption();
    if (modified.isEmpty())
        return true;
    TSaveDocChangeFrm dialog(modified, this);
    switch (dialog.ask()) {
    case TSaveDocChangeFrm::Answer::Cancel:
        return false;
    case TSaveDocChangeFrm::Answer::No:
        return true;
    case TSaveDocChangeFrm::Answer::Yes:
        break;
    }
    // Each checked row is the one window of that name, in window order.
    bool allSaved = true;
    for (const QString& row : dialog.checkedCaptions())
        if (TEditForm* w = editorNamed(row))
            // A cancelled or failed save keeps the program open.
            if (!w->SaveFileNow())
                allSaved = false;
    return allSaved;
}

void TMainForm::FormClose()
{
    const std::vector<TEditForm*> windows = editors();
    if (!windows.empty()) {
        const bool notNormal = windows.front()->isMinimized() || windows.front()->isMaximized();
        try {
            SettingsIni->WriteBool(kOptions, QStringLiteral("MaxWinAtStart"), notNormal);
        } catch (const IniWriteError& e) {
            reportError(e.message());
        }
    }
    // Open editor windows go with the frame and ask nothing more.
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

// ---- help ----------------------------------------------------------------

void TMainForm::showAbout()
{
    QMessageBox::about(this, QStringLiteral("About Pellam Vornic"),
                       QStringLiteral("<h3>Pellam Vornic v3.2</h3>"
                                      "<p>A development environment for Java and web documents.</p>"
                                      "<p>Built on Qt %1, QScintilla %2 and libjpeg %3.</p>")
                           .arg(QString::fromLatin1(qVersion()), QStringLiteral(QSCINTILLA_VERSION_STR))
                           .arg(JPEG_LIB_VERSION));
}
