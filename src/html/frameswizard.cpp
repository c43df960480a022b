#include "html/frameswizard.h"

#include "html/insertion.h"

namespace FramesWizard {

namespace {

struct SimpleLayout {
    const char* name;
    const char* attributes;
    std::vector<const char*> pages;
};

const SimpleLayout kSimple[] = {
    {"1", "rows=\"47,359,54\" cols=\"*\"", {"Top", "Content", "Bottom"}},
    {"2", "rows=\"47,422\" cols=\"*\"", {"Top", "Content"}},
    {"3", "rows=\"419,53\" cols=\"*\"", {"Content", "Bottom"}},
    {"4", "cols=\"112,668\"", {"Left", "Content"}},
    {"5", "cols=\"683,103\"", {"Content", "Right"}},
    {"6", "cols=\"109,574,91\" rows=\"*\"", {"Left", "Content", "Right"}},
};

QString borderText(bool borders)
{
    return borders ? QStringLiteral(" frameborder=\"Yes\" border=\"2\"") : QStringLiteral(" frameborder=\"No\" border=\"0\"");
}

QString frameLine(const QString& lead, const QString& file)
{
    return lead + QStringLiteral("<frame src=\"") + file + QStringLiteral("\">");
}

// The nested layouts: an outer frameset with one page, an inner one with two.
Frameset nested(const QString& outerStart, const char* outerPage, const QString& innerStart,
                const char* innerPages[2], const QString& innerLead, const QString& suffix, bool createPages)
{
    Frameset f;
    auto file = [&](const char* page) {
        const QString name = QLatin1String(page) + suffix + QStringLiteral(".html");
        if (createPages)
            f.pages.push_back({name});
        return name;
    };
    QStringList lines;
    lines << outerStart;
    lines << frameLine(QStringLiteral("  "), file(outerPage));
    lines << innerStart;
    lines << frameLine(innerLead, file(innerPages[0]));
    lines << frameLine(innerLead, file(innerPages[1]));
    lines << QStringLiteral("  </frameset>") << QStringLiteral("</frameset>");
    f.text = lines.join(CR);
    return f;
}

} // namespace

QStringList layouts()
{
    return {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
            QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("Other")};
}

QString emptyPageText()
{
    return QStringLiteral("<html>\r<head>\r<title>Ingen tittel</title>\r</head>\r<body>\r\r</body>\r</html>\r");
}

Frameset build(const QString& layout, bool borders, bool createPages, int number)
{
    const QString b = borderText(borders);
    for (const SimpleLayout& s : kSimple) {
        if (layout != QLatin1String(s.name))
            continue;
        Frameset f;
        f.text = QStringLiteral("<frameset ") + QLatin1String(s.attributes) + b + QStringLiteral(" framespacing=\"0\">") + CR;
        for (const char* page : s.pages) {
            const QString name = createPages ? QStringLiteral("%1ID%2.html").arg(QLatin1String(page)).arg(number)
                                             : QLatin1String(page) + QStringLiteral(".html");
            if (createPages)
                f.pages.push_back({name});
            f.text += frameLine(QStringLiteral("  "), name) + CR;
        }
        f.text += QStringLiteral("</frameset>");
        return f;
    }
    if (layout == QLatin1String("7")) {
        const char* inner[2] = {"Left", "Content"};
        return nested(QStringLiteral("<frameset rows=\"57,415\"") + b + QStringLiteral(" framespacing=\"0\">"), "Top",
                      QStringLiteral("  <frameset cols=\"119,661\" rows=\"*\"") + b + QStringLiteral(" framespacing=\"0\">"),
                      inner, QStringLiteral("   "), createPages ? QStringLiteral("ID%1").arg(number) : QString(),
                      createPages);
    }
    if (layout == QLatin1String("8")) {
        const char* inner[2] = {"Top", "Content"};
        return nested(QStringLiteral("<frameset cols=\"85,695\" rows=\"*\"") + b + QStringLiteral(" framespacing=\"0\">"),
                      "Left",
                      QStringLiteral("  <frameset rows=\"71,395\" cols=\"*\"") + b + QStringLiteral(" framespacing=\"0\">"),
                      inner, QStringLiteral("    "), createPages ? QString::number(number) : QString(), createPages);
    }
    Frameset f;
    f.text = QStringLiteral("<frameset ") + b + QStringLiteral(" framespacing=\"0\">") + CR +
             QStringLiteral("  <frame src=\"FrameName\">") + CR + QStringLiteral("  <frame src=\"FrameName\">") + CR +
             QStringLiteral("</frameset>") + CR;
    return f;
}

int drawNumber(const QString& layout, const std::function<int()>& random,
               const std::function<bool(const QString&)>& isOpen)
{
    int number = random();
    for (int attempt = 0; attempt < 500; ++attempt) {
        bool clash = false;
        for (const Page& page : build(layout, false, true, number).pages)
            clash = clash || isOpen(page.fileName);
        if (!clash)
            break;
        number = random();
    }
    return number;
}

} // namespace FramesWizard
