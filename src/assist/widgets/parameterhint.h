#pragma once

#include <QFrame>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>

class TSynEdit;

// The parameter hint of an editor window (its scpParams): a small tool-tip
// window under the caret showing the parameters of the method last chosen
// from the member popup, the current one in bold. It opens 400 ms after "("
// is typed, at once on Ctrl+Shift+Space or when the member popup inserts a
// method, each time asking OnExecute whether it applies at the caret and
// which parameter is current; while it shows it asks again as the caret
// moves and closes when the answer is no, on Escape or when the control
// loses the focus.
class ParameterHint : public QFrame {
    Q_OBJECT
public:
    explicit ParameterHint(QWidget* parent = nullptr);

    // Follows this control's keys and caret.
    void attach(TSynEdit* edit);

    // The item list holds one item, made by QuoteParameters.
    void setItem(const QString& item);
    QString item() const { return m_item; }

    // Shows the hint when OnExecute answers with a parameter; hides it otherwise.
    void activate();
    std::function<std::optional<int>()> OnExecute;

    bool isShowing() const { return isVisible(); }
    int currentParameter() const { return m_current; }
    QStringList parameters() const { return m_parameters; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QSize textSize() const;

    QPointer<TSynEdit> m_edit;
    QString m_item;
    QStringList m_parameters;
    int m_current = 0;
    QTimer m_timer;
};
