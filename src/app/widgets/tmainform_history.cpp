// TMainForm: the Reopen menu over the file history, the file panel's
// directory popup and the HTML project catalogue.
#include "app/directoryrules.h"
#include "app/filehistory.h"
#include "app/widgets/filepanel.h"
#include "app/widgets/mainmenus.h"
#include "app/widgets/tcreatedirfrm.h"
#include "app/widgets/tmainform.h"
#include "app/widgets/tprosjektkatfrm.h"
#include "settings/inifile.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTreeView>

void TMainForm::SaveFileHistory(const QString& path)
{
    const Result<void> r = FileHistory(*SettingsIni).SaveFileHistory(path);
    if (!r)
        reportError(r.error());
}

void TMainForm::LoadHistFromFile()
{
    m_reopen = FileHistory(*SettingsIni).LoadHistFromFile();
    rebuildReopenMenu();
}

void TMainForm::AddFileToHist(const QString& path)
{
    if (FileHistory::AddFileToHist(m_reopen, path))
        rebuildReopenMenu();
}

void TMainForm::rebuildReopenMenu()
{
    QMenu* menu = menus->Reopen1;
    for (QAction* a : menu->actions())
        if (a->property("historyPath").isValid())
            menu->removeAction(a);
    for (const QString& path : m_reopen.paths) {
        auto* a = new QAction(path, menu);
        a->setProperty("historyPath", path);
        connect(a, &QAction::triggered, this, [this, path] { LoadHistFile(path); });
        menu->insertAction(menus->ClearList1, a);
    }
    menus->reopenEmpty->setVisible(m_reopen.emptyShown);
}

void TMainForm::LoadHistFile(const QString& path)
{
    const ReopenDecision decision =
        FileHistory::LoadHistFile(path, [this](const QString& name) { return AllreadyOpen(name); });
    if (decision.action == ReopenDecision::Action::AlreadyOpen) {
        QMessageBox::information(this, QStringLiteral("Information"), decision.message);
        return;
    }
    LoadFile(path);
    LoadUserSettings();
}

void TMainForm::ClearList1Click()
{
    if (QMessageBox::question(this, QStringLiteral("Question"), FileHistory::clearQuestion(),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const Result<void> r = FileHistory(*SettingsIni).ClearList(m_reopen);
    if (!r)
        reportError(r.error());
    rebuildReopenMenu();
}

void TMainForm::wireHistory()
{
    connect(menus->ClearList1, &QAction::triggered, this, [this] { ClearList1Click(); });
    if (FileHistory(*SettingsIni).filledAtStart())
        LoadHistFromFile();
    menus->Reopen1->menuAction()->setVisible(true);

    // The directory tree's popup.
    filePanel->DirectoryListBox3->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupMenu5 = new QMenu(filePanel);
    QMenu* popup = PopupMenu5;
    connect(popup->addAction(QStringLiteral("Create new directory")), &QAction::triggered, this, [this] {
        TCreateDirFrm dialog(filePanel->directory(), this);
        if (dialog.exec() == QDialog::Accepted)
            filePanel->setDirectory(filePanel->directory());
    });
    connect(popup->addAction(QStringLiteral("Set as working dir")), &QAction::triggered, this,
            [this] { m_workingDirs.setAsWorkingDir(filePanel->directory(), !editors().empty()); });
    connect(filePanel->DirectoryListBox3, &QWidget::customContextMenuRequested, this, [this, popup](const QPoint& p) {
        // The commands act on the folder right-clicked: it is opened first,
        // so the user sees which one that is.
        const QString folder = filePanel->directoryAt(p);
        if (!folder.isEmpty())
            filePanel->setDirectory(folder);
        popup->exec(filePanel->DirectoryListBox3->viewport()->mapToGlobal(p));
    });

    if (QAction* a = menus->action(QStringLiteral("Defineprojectcatalog1")))
        connect(a, &QAction::triggered, this, [this] {
            ProjectCatalogue catalogue;
            catalogue.ProjectCatalog = ProjectCatalog;
            catalogue.ImagesFolder = ImagesFolder;
            TProsjektKatFrm dialog(catalogue, this);
            if (dialog.exec() == QDialog::Accepted) {
                ProjectCatalog = dialog.catalogue().ProjectCatalog;
                ImagesFolder = dialog.catalogue().ImagesFolder;
            }
        });
}
