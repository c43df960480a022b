#include "settings/widgets/helpwindow.h"

#include "settings/programfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Pellam Vornic help"));
    resize(640, 520);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
}

HelpWindow* HelpWindow::instance()
{
    static QPointer<HelpWindow> window;
    if (!window)
        window = new HelpWindow;
    return window;
}

QString HelpWindow::topicFile(const QString& topic)
{
    // A topic is a bare name; anything that could leave help/ is no topic.
    QString name = topic.trimmed();
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.startsWith(QLatin1Char('.')))
        name = QStringLiteral("index");
    return programFile(QStringLiteral("help/") + name + QStringLiteral(".html"));
}

void HelpWindow::showFile(const QString& path, const QString& title)
{
    if (QFileInfo::exists(path)) {
        m_browser->setSearchPaths({QFileInfo(path).absolutePath()});
        m_browser->setSource(QUrl::fromLocalFile(path));
    } else {
        m_browser->setHtml(QStringLiteral("<h2>%1</h2><p>There is no help page for this topic yet.</p>")
                               .arg(title.toHtmlEscaped()));
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::showContents()
{
    showFile(topicFile(QStringLiteral("index")), QStringLiteral("Contents"));
}

void HelpWindow::showIndex()
{
    const QString index = programFile(QStringLiteral("help/keywords.html"));
    if (QFileInfo::exists(index))
        showFile(index, QStringLiteral("Index"));
    else
        showContents();
}

void HelpWindow::showTopic(const QString& topic)
{
    showFile(topicFile(topic), topic);
}
