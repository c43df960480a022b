#pragma once

// Answers every modal window that shows while it lives, from a timer that
// also runs inside the window's own event loop: a message box by its button
// of the given text (else its escape button), any other dialog by the
// handler (else by rejecting it). The message boxes' texts are kept, in
// order, so a test can tell what the user was told.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(QString button = QStringLiteral("OK"), std::function<void(QDialog*)> handler = {})
        : m_button(std::move(button)), m_handler(std::move(handler))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { answer(); });
        m_timer.start();
    }
    void setButton(const QString& button) { m_button = button; }
    void setHandler(std::function<void(QDialog*)> handler) { m_handler = std::move(handler); }

    QStringList messages;

private:
    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text().remove(QLatin1Char('&')) == m_button) {
                    b->click();
                    return;
                }
            if (QAbstractButton* escape = box->escapeButton())
                escape->click();
            else
                box->reject();
            return;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            if (m_handler)
                m_handler(dialog);
            else
                dialog->reject();
        }
    }

    QString m_button;
    std::function<void(QDialog*)> m_handler;
    QTimer m_timer;
};
