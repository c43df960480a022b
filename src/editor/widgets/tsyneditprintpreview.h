#pragma once

#include <QAbstractScrollArea>

class TSynEditPrint;

// Shows one page of a print engine as it will print: the engine paints the
// page itself, scaled to the screen. Only the page shown is painted, so a
// long document opens at once.
class TSynEditPrintPreview : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class ScaleMode { WholePage, PageWidth, UserScaled };

    explicit TSynEditPrintPreview(QWidget* parent = nullptr);

    void setSynEditPrint(TSynEditPrint* engine);
    TSynEditPrint* synEditPrint() const { return m_engine; }
    // Lays the pages out again and shows the current page (the last one when
    // there are fewer now).
    void UpdatePreview();

    void FirstPage();
    void PreviousPage();
    void NextPage();
    void LastPage();
    void setPageNumber(int page);
    int PageNumber() const { return m_page; }
    int PageCount() const { return m_pageCount; }

    // The page's size on screen against its real size, in percent.
    int ScalePercent() const;
    void setScalePercent(int percent); // switches to the user's scale
    ScaleMode scaleMode() const { return m_mode; }
    void setScaleMode(ScaleMode mode);

signals:
    // A page has been shown (after a page change or an update).
    void PreviewPage(int page);
    // The scale has changed (by a zoom, a mode or the window's size).
    void ScaleChanged(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    double scale() const;         // screen pixels per printer dot
    double realSizeScale() const; // the same at 100 %
    QSizeF pageOnScreen() const;
    void updateScrollBars();

    TSynEditPrint* m_engine = nullptr;
    int m_page = 1;
    int m_pageCount = 1;
    ScaleMode m_mode = ScaleMode::WholePage;
    int m_percent = 100;
};
