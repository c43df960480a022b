#include "editor/widgets/tsyngutter.h"

#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"
#include "settings/widgets/qtcolors.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TSynGutter::TSynGutter(TSynEdit* owner) : QWidget(owner), m_owner(owner)
{
    m_font = QFont(QStringLiteral("Terminal"), 8);
    setFixedWidth(m_width);
}

void TSynGutter::setShown(bool shown)
{
    m_shown = shown;
    setVisible(shown);
}

void TSynGutter::setGutterWidth(int pixels)
{
    m_width = std::max(0, pixels);
    setFixedWidth(m_width);
}

void TSynGutter::setColor(TColor color)
{
    m_color = color;
    update();
}

void TSynGutter::setGutterFont(const QFont& font)
{
    m_font = font;
    update();
}

void TSynGutter::setShowLineNumbers(bool show)
{
    m_lineNumbers = show;
    update();
}

void TSynGutter::setLeadingZeros(bool zeros)
{
    m_leadingZeros = zeros;
    update();
}

void TSynGutter::setDigitCount(int digits)
{
    m_digitCount = std::clamp(digits, 1, 10);
    update();
}

QString TSynGutter::lineNumberText(int line, int lineCount) const
{
    if (!m_leadingZeros)
        return QString::number(line);
    const int digits = std::max(m_digitCount, int(QString::number(std::max(lineCount, 1)).size()));
    return QStringLiteral("%1").arg(line, digits, 10, QLatin1Char('0'));
}

void TSynGutter::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor bg = toQColor(m_color);
    p.fillRect(rect(), bg.isValid() ? bg : palette().button().color());
    EditView* view = m_owner->view();
    const int first = int(view->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE));
    const int onScreen = int(view->SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN)) + 1;
    const int height = std::max(1, m_owner->lineHeight());
    const int count = std::max(1, m_owner->lineCount());
    p.setFont(m_font);
    p.setPen(palette().color(QPalette::ButtonText));
    const auto& images = m_owner->bookmarkImages();
    for (int i = 0; i <= onScreen && first + i < count; ++i) {
        const int line = first + i + 1;
        const int y = i * height;
        int x = 2;
        for (const TSynEditMark& m : m_owner->marks().items()) {
            if (m.Line != line || !m.Visible)
                continue;
            const QPixmap* glyph = nullptr;
            if (!m.InternalImage && m.ImageIndex >= 0 && m.ImageIndex < int(images.size()))
                glyph = &images[std::size_t(m.ImageIndex)];
            if (glyph) {
                p.drawPixmap(x, y + (height - glyph->height()) / 2, *glyph);
                x += glyph->width() + 1;
            } else if (m.InternalImage) {
                p.fillRect(QRect(x, y + 2, 10, height - 4), QColor(0x9c, 0xc3, 0xf0));
                p.drawText(QRect(x, y, 10, height), Qt::AlignCenter, QString::number(m.BookmarkNumber));
                x += 12;
            }
        }
        if (m_lineNumbers)
            p.drawText(QRect(0, y, width() - 4, height), Qt::AlignRight | Qt::AlignVCenter,
                       lineNumberText(line, count));
    }
}

void TSynGutter::mousePressEvent(QMouseEvent* e)
{
    if (m_owner->OnMouseDown)
        m_owner->OnMouseDown(e->button(), e->modifiers(), int(e->position().x()), int(e->position().y()));
    // A click in the gutter puts the caret on that line.
    const int first = int(m_owner->view()->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE));
    const int line = first + int(e->position().y()) / std::max(1, m_owner->lineHeight()) + 1;
    m_owner->setCaretXY(1, line);
    m_owner->setEditorFocus();
}
