#include "editor/widgets/tsyneditprintpreview.h"

#include "editor/widgets/tsyneditprint.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kGap = 12; // grey border around the page, in pixels
}

TSynEditPrintPreview::TSynEditPrintPreview(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
}

void TSynEditPrintPreview::setSynEditPrint(TSynEditPrint* engine)
{
    m_engine = engine;
    UpdatePreview();
}

void TSynEditPrintPreview::UpdatePreview()
{
    m_pageCount = m_engine ? m_engine->PageCount() : 1;
    m_page = std::clamp(m_page, 1, m_pageCount);
    updateScrollBars();
    viewport()->update();
    emit PreviewPage(m_page);
}

void TSynEditPrintPreview::setPageNumber(int page)
{
    page = std::clamp(page, 1, m_pageCount);
    if (page == m_page)
        return;
    m_page = page;
    verticalScrollBar()->setValue(0);
    viewport()->update();
    emit PreviewPage(m_page);
}

void TSynEditPrintPreview::FirstPage() { setPageNumber(1); }
void TSynEditPrintPreview::PreviousPage() { setPageNumber(m_page - 1); }
void TSynEditPrintPreview::NextPage() { setPageNumber(m_page + 1); }
void TSynEditPrintPreview::LastPage() { setPageNumber(m_pageCount); }

double TSynEditPrintPreview::realSizeScale() const
{
    // Printer dots to screen pixels at the paper's real size.
    const QSizeF dots = m_engine ? m_engine->pageSizeDots() : QSizeF(1, 1);
    const QSizeF mm = m_engine ? m_engine->paperMillimetres() : QSizeF(1, 1);
    return (mm.width() / 25.4 * logicalDpiX()) / std::max(1.0, dots.width());
}

double TSynEditPrintPreview::scale() const
{
    if (!m_engine)
        return 1;
    const QSizeF page = m_engine->pageSizeDots();
    const double availableWidth = std::max(20, viewport()->width() - 2 * kGap);
    const double availableHeight = std::max(20, viewport()->height() - 2 * kGap);
    switch (m_mode) {
    case ScaleMode::WholePage:
        return std::min(availableWidth / page.width(), availableHeight / page.height());
    case ScaleMode::PageWidth:
        return availableWidth / page.width();
    case ScaleMode::UserScaled:
        break;
    }
    return realSizeScale() * m_percent / 100.0;
}

int TSynEditPrintPreview::ScalePercent() const
{
    return int(std::lround(scale() / realSizeScale() * 100));
}

void TSynEditPrintPreview::setScalePercent(int percent)
{
    m_percent = std::clamp(percent, 5, 800);
    m_mode = ScaleMode::UserScaled;
    updateScrollBars();
    viewport()->update();
    emit ScaleChanged(ScalePercent());
}

void TSynEditPrintPreview::setScaleMode(ScaleMode mode)
{
    m_mode = mode;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
    emit ScaleChanged(ScalePercent());
}

QSizeF TSynEditPrintPreview::pageOnScreen() const
{
    return m_engine ? m_engine->pageSizeDots() * scale() : QSizeF();
}

void TSynEditPrintPreview::updateScrollBars()
{
    const QSizeF page = pageOnScreen();
    const int width = int(page.width()) + 2 * kGap, height = int(page.height()) + 2 * kGap;
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(20);
    horizontalScrollBar()->setSingleStep(20);
}

void TSynEditPrintPreview::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    if (m_mode != ScaleMode::UserScaled)
        emit ScaleChanged(ScalePercent());
}

void TSynEditPrintPreview::scrollContentsBy(int, int)
{
    viewport()->update();
}

void TSynEditPrintPreview::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown: NextPage(); return;
    case Qt::Key_PageUp: PreviousPage(); return;
    case Qt::Key_Home: if (event->modifiers() & Qt::ControlModifier) { FirstPage(); return; } break;
    case Qt::Key_End: if (event->modifiers() & Qt::ControlModifier) { LastPage(); return; } break;
    default: break;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void TSynEditPrintPreview::paintEvent(QPaintEvent*)
{
    if (!m_engine)
        return;
    QPainter painter(viewport());
    const QSizeF page = pageOnScreen();
    // Centred when it fits, else scrolled.
    const double x = page.width() + 2 * kGap <= viewport()->width() ? (viewport()->width() - page.width()) / 2
                                                                    : kGap - horizontalScrollBar()->value();
    const double y = page.height() + 2 * kGap <= viewport()->height() ? (viewport()->height() - page.height()) / 2
                                                                      : kGap - verticalScrollBar()->value();
    const QRectF sheet(x, y, page.width(), page.height());
    painter.fillRect(sheet.translated(3, 3), QColor(0, 0, 0, 90));
    painter.fillRect(sheet, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(sheet);
    painter.translate(x, y);
    painter.scale(scale(), scale());
    m_engine->paintPage(painter, m_page);
}
