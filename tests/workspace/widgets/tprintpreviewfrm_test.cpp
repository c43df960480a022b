#include "editor/widgets/tsyneditprint.h"
#include "editor/widgets/tsyneditprintpreview.h"
#include "workspace/widgets/tprintpreviewfrm.h"

#include <QAction>
#include <QLabel>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

QAction* button(TPrintPreviewFrm& form, const QString& caption)
{
    for (QAction* a : form.ToolBar1->actions())
        if (a->text() == caption)
            return a;
    ADD_FAILURE() << "no button " << caption.toStdString();
    return nullptr;
}

// The preview of a three-page document opens on page 1 of 3; the buttons
// move through the pages, zoom in 2 % steps and close the window.
TEST(TPrintPreviewFrm, PagesZoomAndStatusBar)
{
    TSynEditPrint print;
    print.setPage(QSizeF(210, 297), 300);
    QStringList lines;
    for (int i = 0; i < 130; ++i)
        lines << QStringLiteral("line %1").arg(i);
    print.setLines(lines);
    TPrintPreviewFrm form;
    form.SynEditPrintPreview1->setSynEditPrint(&print);
    form.PageCount = print.PageCount();
    ASSERT_EQ(form.PageCount, 3);

    QStringList seen;
    int zoomBefore = 0, zoomAfter = 0;
    QTimer::singleShot(0, &form, [&] {
        seen << form.StatusPanels[1]->text();
        button(form, QStringLiteral("Next page"))->trigger();
        seen << form.StatusPanels[1]->text();
        button(form, QStringLiteral("Last page"))->trigger();
        seen << form.StatusPanels[1]->text();
        button(form, QStringLiteral("Next page"))->trigger(); // stays on the last
        seen << form.StatusPanels[1]->text();
        button(form, QStringLiteral("Previous page"))->trigger();
        seen << form.StatusPanels[1]->text();
        button(form, QStringLiteral("First page"))->trigger();
        seen << form.StatusPanels[1]->text();
        zoomBefore = form.SynEditPrintPreview1->ScalePercent();
        button(form, QStringLiteral("Zoom inn"))->trigger();
        zoomAfter = form.SynEditPrintPreview1->ScalePercent();
        button(form, QStringLiteral("Fill window"))->trigger();
        EXPECT_EQ(form.SynEditPrintPreview1->scaleMode(), TSynEditPrintPreview::ScaleMode::PageWidth);
        button(form, QStringLiteral("View full page (100 % view)"))->trigger();
        EXPECT_EQ(form.SynEditPrintPreview1->scaleMode(), TSynEditPrintPreview::ScaleMode::WholePage);
        button(form, QStringLiteral("Close window"))->trigger();
    });
    form.showPreview();
    EXPECT_EQ(seen, (QStringList{" Page: 1 of 3", " Page: 2 of 3", " Page: 3 of 3", " Page: 3 of 3", " Page: 2 of 3",
                                 " Page: 1 of 3"}));
    EXPECT_EQ(zoomAfter, zoomBefore + 2);
    EXPECT_FALSE(form.isVisible());
}

} // namespace
