#include "workspace/widgets/tprintpreviewfrm.h"

#include "editor/widgets/tsyneditprintpreview.h"

#include <QAction>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

TPrintPreviewFrm::TPrintPreviewFrm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PrintPreviewFrm"));
    setWindowTitle(QStringLiteral("Print preview"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SynEditPrintPreview1 = new TSynEditPrintPreview(this);
    SynEditPrintPreview1->setObjectName(QStringLiteral("SynEditPrintPreview1"));
    SynEditPrintPreview1->setAccessibleName(QStringLiteral("Preview"));

    auto* p = SynEditPrintPreview1;
    using Mode = TSynEditPrintPreview::ScaleMode;
    const struct {
        const char* caption;
        const char* name;
        const char* icon;
        std::function<void()> run;
    } buttons[] = {
        {"First page", "FirstBtn", "go-first", [p] { p->FirstPage(); }},
        {"Last page", "LastBtn", "go-last", [p] { p->LastPage(); }},
        {"Next page", "NextBtn", "go-next", [p] { p->NextPage(); }},
        {"Previous page", "PrevBtn", "go-previous", [p] { p->PreviousPage(); }},
        {"Zoom inn", "ZoomInBtn", "zoom-in", [p] { p->setScalePercent(p->ScalePercent() + 2); }},
        {"Zoom out", "ZoomOutBtn", "zoom-out", [p] { p->setScalePercent(p->ScalePercent() - 2); }},
        {"View full page (100 % view)", "FullPageBtn", "zoom-fit-best", [p] { p->setScaleMode(Mode::WholePage); }},
        {"Fill window", "FillWindowBtn", "zoom-fit-width", [p] { p->setScaleMode(Mode::PageWidth); }},
        {"Print", "PrintBtn", "document-print", [this] { if (OnPrint) OnPrint(); }},
        {"Close window", "CloseBtn", "window-close", [this] { close(); }},
    };
    for (const auto& b : buttons) {
        QAction* action = ToolBar1->addAction(QIcon::fromTheme(QLatin1String(b.icon)), QLatin1String(b.caption));
        action->setObjectName(QLatin1String(b.name));
        connect(action, &QAction::triggered, this, b.run);
        // Groups: moving, zooming, the rest.
        if (qstrcmp(b.name, "PrevBtn") == 0 || qstrcmp(b.name, "FillWindowBtn") == 0)
            ToolBar1->addSeparator();
    }

    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    for (int i = 0; i < 2; ++i) {
        StatusPanels[i] = new QLabel(status);
        StatusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        StatusPanels[i]->setMinimumWidth(160);
        status->addWidget(StatusPanels[i]);
    }

    layout->addWidget(ToolBar1);
    layout->addWidget(SynEditPrintPreview1, 1);
    layout->addWidget(status);
    connect(SynEditPrintPreview1, &TSynEditPrintPreview::PreviewPage, this,
            [this](int page) { SynEditPrintPreview1PreviewPage(page); });
    connect(SynEditPrintPreview1, &TSynEditPrintPreview::ScaleChanged, this, [this] { showZoom(); });
    resize(900, 700);
}

int TPrintPreviewFrm::showPreview()
{
    SynEditPrintPreview1->UpdatePreview();
    SynEditPrintPreview1->FirstPage();
    SynEditPrintPreview1PreviewPage(SynEditPrintPreview1->PageNumber());
    setWindowState(windowState() | Qt::WindowMaximized);
    SynEditPrintPreview1->setFocus();
    return exec();
}

void TPrintPreviewFrm::SynEditPrintPreview1PreviewPage(int page)
{
    StatusPanels[1]->setText(QStringLiteral(" Page: ") + QString::number(page) + QStringLiteral(" of ") +
                             QString::number(PageCount));
}

void TPrintPreviewFrm::showZoom()
{
    StatusPanels[0]->setText(QStringLiteral(" Zoom: %1 %").arg(SynEditPrintPreview1->ScalePercent()));
}
