#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
struct MenuEntry;

// The frame window's main menu tree, built into a menu bar it is parented to.
// Every item carries its component name as objectName, so the frame window
// wires commands by name; this class only switches what is enabled and shown
// for the kind of the active document. Checkable items flip their own check
// mark when triggered, so handlers read isChecked() instead of toggling.
class MainMenus : public QObject {
    Q_OBJECT
public:
    explicit MainMenus(QMenuBar* bar);

    // The item (or a submenu's menuAction) of that objectName; nullptr when none.
    QAction* action(const QString& objectName) const;
    // The submenu or top-level menu of that objectName; nullptr when none.
    QMenu* menu(const QString& objectName) const;
    QList<QAction*> allActions() const;

    // The document commands, all together.
    void EnableMainMenu();
    void DisableMainMenu();
    // Comment..Unindent and the breakpoint jumps, with their separators.
    void ViewJavaInMainMenu(bool v);
    // Java and HTML menus by the lower-case extension; other texts hide both.
    void ViewMainMenu(const QString& extension);

    // Top-level menus.
    QMenu *fileMenu = nullptr, *editMenu = nullptr, *Insert1 = nullptr, *htmlInsertMenu = nullptr;
    QMenu *searchMenu = nullptr, *htmlProjectMenu = nullptr, *modifyMenu = nullptr;
    QMenu *debuggingMenu = nullptr, *javaToolsMenu = nullptr, *htmlToolsMenu = nullptr;
    QMenu *viewMenu = nullptr, *windowMenu = nullptr, *helpMenu = nullptr;

    // File.
    QMenu *newMenu = nullptr, *Customlanguages1 = nullptr, *Reopen1 = nullptr, *exportMenu = nullptr;
    QMenu *ReloadWithEncoding1 = nullptr, *SaveWithEncoding1 = nullptr;
    QAction *empty4 = nullptr, *Definenewcustomlanguage1 = nullptr;
    QAction *reopenEmpty = nullptr, *ClearList1 = nullptr;
    QAction *Print1 = nullptr, *PrinterSetup1 = nullptr, *ForhndVisning1 = nullptr;
    QAction *Save1 = nullptr, *SaveAs1 = nullptr, *Saveall1 = nullptr, *Close1 = nullptr;
    QAction *Closeall2 = nullptr, *Exit1 = nullptr;

    // Edit.
    QAction *Undo1 = nullptr, *Redo1 = nullptr, *Past1 = nullptr, *Cut1 = nullptr;
    QAction *Copy1 = nullptr, *SelectAll1 = nullptr;
    QAction *Comment1 = nullptr, *Uncomment1 = nullptr, *Indent1 = nullptr, *Unindent1 = nullptr;

    // Search.
    QAction *FindNext1 = nullptr, *Nextbookmark1 = nullptr, *Previousbookmark1 = nullptr;

    // View and Window switches.
    QAction *Linenumbers1 = nullptr, *Specialcharacters1 = nullptr;
    QAction *CompletionProposal1 = nullptr, *Autocompletion1 = nullptr;
    QAction *Tools1 = nullptr, *Messagepane1 = nullptr;

private:
    QMenu* addTopMenu(QMenuBar* bar, const char* title, const char* name,
                      const MenuEntry* entries, int count);
    QMenu* makeMenu(QWidget* parent, const char* title, const char* name);
    void registerAction(QAction* action, const char* name);
    void bindFields();
    void setDocumentCommandsEnabled(bool enabled);

    QHash<QString, QAction*> m_actions;
    QHash<QString, QMenu*> m_menus;
};
