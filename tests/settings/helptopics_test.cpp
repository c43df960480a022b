// Every help topic the program opens has its page in data/help, written for
// this program: a topic named in the code without a page would show the
// user a bare topic name.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// The topics named in the sources: "HID_..." texts and showTopic arguments.
QSet<QString> topicsNamedInTheCode()
{
    static const QRegularExpression named(QStringLiteral("\"(HID_[A-Za-z0-9_]+)\""));
    static const QRegularExpression shown(QStringLiteral("showTopic\\(\\s*(?:QStringLiteral\\()?\"([^\"]+)\""));
    QSet<QString> topics;
    QDirIterator it(QStringLiteral(VORNIC_SOURCE_DIR "/src"), {"*.cpp", "*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(f.readAll());
        for (const QRegularExpression* re : {&named, &shown})
            for (const QRegularExpressionMatch& m : re->globalMatch(text))
                topics.insert(m.captured(1));
    }
    return topics;
}

TEST(HelpTopics, EveryTopicNamedInTheCodeHasItsPage)
{
    QSet<QString> topics = topicsNamedInTheCode();
    EXPECT_TRUE(topics.contains("HID_PROJECT")); // the scan finds what is there
    // Help > Contents and Help > Index.
    topics << "index"
           << "keywords";
    for (const QString& topic : topics) {
        QFile page(QStringLiteral(VORNIC_SOURCE_DIR "/data/help/") + topic + ".html");
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << "no help page for " << topic.toStdString();
        const QString text = QString::fromUtf8(page.readAll());
        EXPECT_TRUE(text.contains("<h1>")) << topic.toStdString();
        EXPECT_FALSE(text.contains("There is no help page")) << topic.toStdString();
    }
}

// Pages link to each other: a link to a page that is not there is a dead end.
TEST(HelpTopics, LinksBetweenPagesLeadSomewhere)
{
    static const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+\\.html)\""));
    const QDir help(QStringLiteral(VORNIC_SOURCE_DIR "/data/help"));
    for (const QString& name : help.entryList({"*.html"}, QDir::Files)) {
        QFile f(help.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        for (const QRegularExpressionMatch& m : link.globalMatch(QString::fromUtf8(f.readAll())))
            EXPECT_TRUE(help.exists(m.captured(1)))
                << name.toStdString() << " links to " << m.captured(1).toStdString();
    }
}

} // namespace
