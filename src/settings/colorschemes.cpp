#include "settings/colorschemes.h"

#include "settings/inifile.h"
#include "settings/namerules.h"
#include "settings/programfolder.h"
#include "settings/textlistfile.h"


namespace ColorSchemes {

const QStringList& builtInTabs()
{
    static const QStringList tabs = {QStringLiteral("Java"), QStringLiteral("HTML"), QStringLiteral("CSS"),
                                     QStringLiteral("PERL"), QStringLiteral("PHP"),  QStringLiteral("XML")};
    return tabs;
}

PreviewLanguage highlighterOf(const QString& language)
{
    // One rule for showing, loading and saving: a name holding two of the
    // texts is always edited and saved through the same highlighter.
    for (int l = 0; l < builtInTabs().size(); ++l)
        if (language.contains(builtInTabs()[l]))
            return PreviewLanguage(l);
    return PreviewLanguage::General;
}

QStringList javaSample()
{
    return {QStringLiteral("// comment"),
            QStringLiteral("/** Javadoc */"),
            QStringLiteral("class Classname {"),
            QStringLiteral("  int test = 33;"),
            QStringLiteral("  public static void main(String args[]) {"),
            QStringLiteral("    System.out.println(\"Hello\");"),
            QStringLiteral("  }"),
            QStringLiteral("}")};
}

QStringList htmlSample()
{
    return {QStringLiteral("<html>"),
            QStringLiteral("<head>"),
            QStringLiteral("<title>Untitled document</title>"),
            QStringLiteral("</head>"),
            QStringLiteral("<!-- Comment -->"),
            QStringLiteral("&nbsp;"),
            QStringLiteral("<unknowntag>"),
            QStringLiteral("<% JSP, ASP code etc. %>"),
            QStringLiteral("<body>"),
            QStringLiteral("</body>"),
            QStringLiteral("</html>")};
}

void writeAttributes(IniBatch& batch, const AttributeList& attributes)
{
    for (const AttributeStyle& a : attributes) {
        batch.WriteInteger(a.name, QStringLiteral("Background"), a.background);
        batch.WriteInteger(a.name, QStringLiteral("Foreground"), a.foreground);
        batch.WriteInteger(a.name, QStringLiteral("Style"), a.style);
    }
}

std::optional<QString> presetFile(const QString& name)
{
    return NameRules::fileNamed(QStringLiteral("colors"), name, QStringLiteral(".ini"));
}

QString presetListFile()
{
    return programFile(QStringLiteral("colors/toc.col"));
}

Result<QStringList> readPresetList()
{
    Result<QStringList> lines = TextListFile::read(presetListFile());
    if (!lines)
        return lines;
    QStringList names;
    for (const QString& line : lines.value())
        if (!line.trimmed().isEmpty())
            names << line;
    return names;
}

QStringList presetListWith(QStringList presets, const QString& name)
{
    if (!presets.contains(name))
        presets << name;
    return presets;
}

QString missingPresetMessage(const QString& path)
{
    return QStringLiteral("For some reson the file ") + path +
           QStringLiteral(" doen not exist. Cannot performe the spesified operation!");
}

} // namespace ColorSchemes
