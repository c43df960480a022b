#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

// Accepts every message box that comes up while it lives and keeps its
// caption and text.
class MessageBoxes {
public:
    MessageBoxes()
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                captions << box->windowTitle();
                texts << box->text();
                box->accept();
            }
        });
        m_timer.start(50);
    }
    QStringList captions;
    QStringList texts;

private:
    QTimer m_timer;
};

// Answers every message box that shows while it lives: keeps its text and
// clicks the button captioned `answer` ("Yes", "No", "OK" ...), or the
// box's default button when there is no such button.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(QString answer = QStringLiteral("OK")) : m_answer(std::move(answer))
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            texts << box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text().remove(QLatin1Char('&')) == m_answer) {
                    b->click();
                    return;
                }
            if (QAbstractButton* b = box->defaultButton())
                b->click();
            else
                box->accept();
        });
        m_timer.start(30);
    }
    void setAnswer(QString answer) { m_answer = std::move(answer); }

    QStringList texts;

private:
    QString m_answer;
    QTimer m_timer;
};
