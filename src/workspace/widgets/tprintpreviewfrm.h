#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QToolBar;
class TSynEditPrint;
class TSynEditPrintPreview;

// The print preview window: a tool bar to move through the pages, zoom and
// print, the preview area and a status bar showing the page. Shown modally
// and maximized.
class TPrintPreviewFrm : public QDialog {
    Q_OBJECT
public:
    explicit TPrintPreviewFrm(QWidget* parent = nullptr);

    TSynEditPrintPreview* SynEditPrintPreview1 = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QLabel* StatusPanels[2] = {};
    // The page count of the document shown, set when the preview is prepared.
    int PageCount = 0;
    // "Print": prints the document shown.
    std::function<void()> OnPrint;

    // Rebuilds the preview, shows page 1 and runs the window modally.
    int showPreview();

private:
    void SynEditPrintPreview1PreviewPage(int page);
    void showZoom();
};
