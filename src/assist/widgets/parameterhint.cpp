#include "assist/widgets/parameterhint.h"

#include "assist/parameterhints.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {

const QString kSeparator = QStringLiteral(", ");
constexpr int kMargin = 4;

} // namespace

ParameterHint::ParameterHint(QWidget* parent) : QFrame(parent, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("scpParams"));
    setFrameShape(QFrame::Box);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
    setPalette(p);
    setAutoFillBackground(true);
    m_timer.setSingleShot(true);
    m_timer.setInterval(400);
    connect(&m_timer, &QTimer::timeout, this, [this] { activate(); });
}

void ParameterHint::attach(TSynEdit* edit)
{
    m_edit = edit;
    edit->view()->installEventFilter(this);
    connect(edit, &TSynEdit::caretMoved, this, [this] {
        if (isVisible())
            activate();
    });
}

void ParameterHint::setItem(const QString& item)
{
    m_item = item;
    m_parameters = ParameterHints::parametersOf(item);
}

void ParameterHint::activate()
{
    m_timer.stop();
    const std::optional<int> current = (m_edit && !m_item.isEmpty() && OnExecute) ? OnExecute() : std::nullopt;
    if (!current) {
        hide();
        return;
    }
    m_current = *current;
    resize(textSize());
    const QPoint caret = m_edit->mapToGlobal(m_edit->caretPixelPos());
    move(caret.x(), caret.y() + m_edit->lineHeight() + 2);
    show();
    update();
}

QSize ParameterHint::textSize() const
{
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics normal(font()), strong(bold);
    int width = 0;
    for (int i = 0; i < m_parameters.size(); ++i)
        width += (i == m_current ? strong : normal).horizontalAdvance(m_parameters[i]) +
                 (i ? normal.horizontalAdvance(kSeparator) : 0);
    return {width + 2 * kMargin + 2 * frameWidth(), strong.height() + 2 * kMargin};
}

void ParameterHint::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    QFont bold = font();
    bold.setBold(true);
    int x = kMargin + frameWidth();
    const QRect line = rect().adjusted(0, kMargin, 0, -kMargin);
    for (int i = 0; i < m_parameters.size(); ++i) {
        if (i) {
            painter.setFont(font());
            painter.drawText(QRect(x, line.top(), width(), line.height()), Qt::AlignVCenter, kSeparator);
            x += QFontMetrics(font()).horizontalAdvance(kSeparator);
        }
        const QFont& f = i == m_current ? bold : font();
        painter.setFont(f);
        painter.drawText(QRect(x, line.top(), width(), line.height()), Qt::AlignVCenter, m_parameters[i]);
        x += QFontMetrics(f).horizontalAdvance(m_parameters[i]);
    }
}

bool ParameterHint::eventFilter(QObject* watched, QEvent* event)
{
    if (m_edit && watched == m_edit->view()) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const auto mods = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
            if (key->key() == Qt::Key_Space && mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
                activate();
                return true;
            }
            if (key->key() == Qt::Key_Escape && isVisible())
                hide();
            else if (key->text() == QLatin1String("("))
                m_timer.start();
        } else if (event->type() == QEvent::FocusOut) {
            // A popup of our own (the member list) takes the focus briefly.
            if (!QApplication::activePopupWidget())
                hide();
        }
    }
    return QFrame::eventFilter(watched, event);
}
