#include "html/widgets/tframesvalgfrm.h"

#include "html/frameswizard.h"
#include "html/widgets/htmlhost.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QRandomGenerator>

#include <vector>

namespace {

// A layout's picture: its frames as rectangles in a page, proportions taken
// from the frameset's sizes.
QPixmap layoutPicture(const QString& layout)
{
    const int w = 64, h = 48;
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(QColor(0xdd, 0xe6, 0xf4));
    // Frames as fractions: x, y, width, height.
    static const std::vector<std::pair<const char*, std::vector<QRectF>>> frames = {
        {"1", {{0, 0, 1, 0.1}, {0, 0.1, 1, 0.78}, {0, 0.88, 1, 0.12}}},
        {"2", {{0, 0, 1, 0.1}, {0, 0.1, 1, 0.9}}},
        {"3", {{0, 0, 1, 0.89}, {0, 0.89, 1, 0.11}}},
        {"4", {{0, 0, 0.14, 1}, {0.14, 0, 0.86, 1}}},
        {"5", {{0, 0, 0.87, 1}, {0.87, 0, 0.13, 1}}},
        {"6", {{0, 0, 0.14, 1}, {0.14, 0, 0.74, 1}, {0.88, 0, 0.12, 1}}},
        {"7", {{0, 0, 1, 0.12}, {0, 0.12, 0.15, 0.88}, {0.15, 0.12, 0.85, 0.88}}},
        {"8", {{0, 0, 0.11, 1}, {0.11, 0, 0.89, 0.15}, {0.11, 0.15, 0.89, 0.85}}},
        {"Other", {{0, 0, 0.5, 1}, {0.5, 0, 0.5, 1}}},
    };
    for (const auto& [name, rects] : frames) {
        if (layout != QLatin1String(name))
            continue;
        for (const QRectF& r : rects)
            p.drawRect(QRectF(r.x() * (w - 1), r.y() * (h - 1), r.width() * (w - 1), r.height() * (h - 1)));
    }
    if (layout == QLatin1String("Other")) {
        p.setPen(QColor(0x30, 0x30, 0x30));
        p.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("?"));
    }
    return pixmap;
}

} // namespace

TFramesValgFrm::TFramesValgFrm(HtmlHost* host)
    : WizardDialog(host, QStringLiteral("TFramesValgFrm"), QStringLiteral("Frames"), QStringLiteral("HID_FRAMESDLG")),
      random([] { return int(QRandomGenerator::global()->bounded(1000)); })
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    m_layouts = new QListWidget(this);
    m_layouts->setObjectName(QStringLiteral("layouts"));
    m_layouts->setViewMode(QListView::IconMode);
    m_layouts->setIconSize(QSize(64, 48));
    m_layouts->setMovement(QListView::Static);
    m_layouts->setResizeMode(QListView::Adjust);
    m_layouts->setGridSize(QSize(84, 72));
    m_layouts->setSpacing(0);
    m_layouts->setWrapping(true);
    // The nine pictures in three rows of three, all in view.
    m_layouts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_layouts->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_layouts->setFixedSize(3 * 84 + 2 * m_layouts->frameWidth() + 4, 3 * 72 + 2 * m_layouts->frameWidth() + 4);
    for (const QString& layout : FramesWizard::layouts())
        new QListWidgetItem(QIcon(layoutPicture(layout)), layout, m_layouts);
    m_layouts->setCurrentRow(-1);
    addRow(QStringLiteral("Select frameset type:"), m_layouts);
    m_borders = new QCheckBox(QStringLiteral("Frameborders"), this);
    m_borders->setObjectName(QStringLiteral("frameborders"));
    addWideRow(m_borders);
    m_createPages = new QCheckBox(QStringLiteral("Create all HTML pages"), this);
    m_createPages->setObjectName(QStringLiteral("createPages"));
    addWideRow(m_createPages);
    finishRows();
}

void TFramesValgFrm::okClicked()
{
    const QListWidgetItem* chosen = m_layouts->currentItem();
    if (!chosen || !chosen->isSelected()) {
        information(QStringLiteral("Please select one of the frameset types in the list first."));
        return;
    }
    const QString layout = chosen->text();
    const bool pages = m_createPages->isChecked();
    // A page already open under the name a page would get draws a new number.
    const int number = pages ? FramesWizard::drawNumber(layout, random,
                                                        [this](const QString& name) { return m_host->isDocumentOpen(name); })
                             : 0;
    const FramesWizard::Frameset frameset = FramesWizard::build(layout, m_borders->isChecked(), pages, number);
    for (const FramesWizard::Page& page : frameset.pages)
        m_host->MakeUnitByName(page.fileName, FramesWizard::emptyPageText());
    m_host->LagEnhetHTML(frameset.text, 1);
    accept();
}
