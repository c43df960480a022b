#pragma once

#include <QApplication>
#include <QMessageBox>
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
