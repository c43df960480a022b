#pragma once

#include <QDialog>

class QTextBrowser;

// The program's help: HTML pages in the program folder's help/ folder, one
// per topic (HID_PROJECT.html ...), index.html the contents page. A missing
// page shows the topic's name.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // The one help window of the program, created on first use.
    static HelpWindow* instance();
    void showContents();
    void showIndex();
    void showTopic(const QString& topic);
    // The page shown for a topic, as a file path (may not exist).
    static QString topicFile(const QString& topic);

private:
    explicit HelpWindow(QWidget* parent = nullptr);
    void showFile(const QString& path, const QString& title);
    QTextBrowser* m_browser;
};
