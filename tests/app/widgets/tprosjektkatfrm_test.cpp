#include "app/widgets/tprosjektkatfrm.h"
#include "app/widgets/tvelgkatalogfrm.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(TProsjektKatFrm, BoxesCopyTheCatalogueInAndOut)
{
    TProsjektKatFrm dialog(ProjectCatalogue{"/home/u/site", "images"});
    EXPECT_EQ(dialog.windowTitle(), "Project catalog:");
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dialog.rootEdit->text(), "/home/u/site");
    EXPECT_EQ(dialog.imagesEdit->text(), "images");
    dialog.rootEdit->setText("/srv/www");
    dialog.imagesEdit->setText("pics");
    const ProjectCatalogue out = dialog.catalogue();
    EXPECT_EQ(out.ProjectCatalog, "/srv/www");
    EXPECT_EQ(out.ImagesFolder, "pics");
}

TEST(TProsjektKatFrm, ControlsAreFoundByTheirCaptions)
{
    TProsjektKatFrm dialog(ProjectCatalogue{});
    QStringList buddied;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy())
            buddied << label->text() + " " + label->buddy()->objectName();
    buddied.sort();
    EXPECT_EQ(buddied, (QStringList{"Project catalog root: rootEdit", "Put images in subcatalog: imagesEdit"}));
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(dialog.rootEdit);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text(QAccessible::Name), "Project catalog root");
    QStringList buttons;
    for (const QPushButton* b : {dialog.findButton, dialog.okButton, dialog.cancelButton, dialog.helpButton})
        buttons << b->objectName();
    EXPECT_EQ(buttons, (QStringList{"findButton", "okButton", "cancelButton", "helpButton"}));
}

TEST(TProsjektKatFrm, FindPutsTheChosenDirectoryIntoTheRootBoxOnlyOnOk)
{
    QTemporaryDir dir;
    TProsjektKatFrm dialog(ProjectCatalogue{});
    dialog.show();
    const auto answerChooser = [&dir](bool ok) {
        QTimer::singleShot(50, qApp, [&dir, ok] {
            auto* chooser = qobject_cast<TVelgKatalogFrm*>(QApplication::activeModalWidget());
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(chooser->windowTitle(), "Select directory");
            chooser->setDirectory(dir.path());
            (ok ? chooser->okButton : chooser->cancelButton)->click();
        });
    };
    answerChooser(false);
    dialog.findButton->click();
    EXPECT_EQ(dialog.rootEdit->text(), "");
    answerChooser(true);
    dialog.findButton->click();
    EXPECT_EQ(dialog.rootEdit->text(), dir.path());
}

TEST(TVelgKatalogFrm, StartsInTheGivenDirectoryOnItsDrive)
{
    QTemporaryDir dir;
    TVelgKatalogFrm chooser(dir.path());
    EXPECT_EQ(chooser.directory(), dir.path());
    EXPECT_EQ(chooser.driveBox->itemText(0), "/");
    TVelgKatalogFrm nowhere("/no/such/folder");
    EXPECT_EQ(nowhere.directory(), QDir::homePath());
}

} // namespace
