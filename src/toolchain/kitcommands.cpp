#include "toolchain/kitcommands.h"

#include "settings/inifile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

const QString CompilerSection = QStringLiteral("CompilerOptions");
const QString ApplicationSection = QStringLiteral("ApplicationOptions");

// javac's and jdb's texts follow the JVM locale; the compiler parser and the
// debugger conversation read the English ones.
const QString EnglishTexts = QStringLiteral("-J-Duser.language=en");

bool isExecutableFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

QString documentFolder(const QString& documentPath)
{
    return QFileInfo(documentPath).absolutePath();
}

} // namespace

namespace KitCommands {

KitSettings KitSettings::read(const IniFile& ini, const QProcessEnvironment& environment)
{
    KitSettings s;
    const IniSection compiler = ini.ReadSectionValues(CompilerSection);
    const std::optional<QString> javaBinDir = compiler.value(QStringLiteral("JavaBinDir"));
    s.javaBinDir = javaBinDir ? *javaBinDir : defaultJavaBinDir(environment);
    s.debugGenOptions = compiler.value(QStringLiteral("DebugGenOptions")).value_or(QString());
    s.classPathDir = compiler.value(QStringLiteral("ClassPathDir")).value_or(QString());
    s.javaAppsInDosWindow = ini.ReadBool(ApplicationSection, QStringLiteral("JavaAppsInDosWindow"), false);
    return s;
}

QString defaultJavaBinDir(const QProcessEnvironment& environment)
{
    const QString javaHome = environment.value(QStringLiteral("JAVA_HOME"));
    if (!javaHome.isEmpty()) {
        const QString bin = QDir::cleanPath(javaHome + QStringLiteral("/bin"));
        if (isExecutableFile(bin + QStringLiteral("/javac")))
            return bin;
    }
    QStringList folders = environment.value(QStringLiteral("PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (folders.isEmpty())
        return {};
    const QString javac = QStandardPaths::findExecutable(QStringLiteral("javac"), folders);
    if (javac.isEmpty())
        return {};
    // /usr/bin/javac is usually a chain of links into the JDK; the JDK's own
    // bin folder also holds jdb and the rest.
    const QString real = QFileInfo(javac).canonicalFilePath();
    return QFileInfo(real.isEmpty() ? javac : real).absolutePath();
}

QString toolPath(const QString& javaBinDir, const QString& tool)
{
    if (javaBinDir.endsWith(QLatin1Char('/')))
        return javaBinDir + tool;
    return javaBinDir + QLatin1Char('/') + tool;
}

QString classNameOf(const QString& documentPath)
{
    const QString name = QFileInfo(documentPath).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

ClassLocation classLocation(const QString& documentPath, const QString& packageName)
{
    const QString folder = documentFolder(documentPath);
    if (packageName.isEmpty())
        return {folder, classNameOf(documentPath)};
    const QString qualified = packageName + QLatin1Char('.') + classNameOf(documentPath);
    const QString packagePath = QString(packageName).replace(QLatin1Char('.'), QLatin1Char('/'));
    if (folder.endsWith(QLatin1Char('/') + packagePath)) {
        const QString root = folder.left(folder.size() - packagePath.size() - 1);
        return {root.isEmpty() ? QStringLiteral("/") : root, qualified};
    }
    return {folder, qualified};
}

QStringList utf8Switches()
{
    return {QStringLiteral("-Dfile.encoding=UTF-8"), QStringLiteral("-Dsun.stdout.encoding=UTF-8"),
            QStringLiteral("-Dsun.stderr.encoding=UTF-8"), QStringLiteral("-Dstdout.encoding=UTF-8"),
            QStringLiteral("-Dstderr.encoding=UTF-8")};
}

KitCommand javacCommand(const KitSettings& settings, const QString& documentPath, const QString& sourceEncoding,
                        const QString& packageName)
{
    KitCommand c;
    c.program = toolPath(settings.javaBinDir, QStringLiteral("javac"));
    c.arguments << EnglishTexts;
    // javac echoes source lines in its messages: UTF-8 like the rest.
    for (const QString& s : utf8Switches())
        c.arguments << QStringLiteral("-J") + s;
    c.arguments << QStringLiteral("-encoding") << sourceEncoding;
    if (!settings.debugGenOptions.isEmpty()) {
        static const QRegularExpression blanks(QStringLiteral("\\s+"));
        c.arguments << settings.debugGenOptions.split(blanks, Qt::SkipEmptyParts);
        c.arguments << QStringLiteral("-classpath") << settings.classPathDir;
    }
    if (!packageName.isEmpty()) {
        const QString root = classLocation(documentPath, packageName).root;
        c.arguments << QStringLiteral("-d") << root << QStringLiteral("-sourcepath") << root;
    }
    c.arguments << QFileInfo(documentPath).fileName();
    c.workingDirectory = documentFolder(documentPath);
    return c;
}

KitCommand javaCommand(const KitSettings& settings, const QString& documentPath, const QString& packageName)
{
    const ClassLocation where = classLocation(documentPath, packageName);
    return {toolPath(settings.javaBinDir, QStringLiteral("java")), utf8Switches() << where.className, where.root};
}

KitCommand javaCommandWindowCommand(const KitSettings& settings, const QString& documentPath,
                                    const QString& packageName)
{
    const ClassLocation where = classLocation(documentPath, packageName);
    return {toolPath(settings.javaBinDir, QStringLiteral("java")),
            {QStringLiteral("-classpath"), settings.classPathDir, where.className},
            where.root};
}

KitCommand appletViewerCommand(const KitSettings& settings, const QString& documentPath)
{
    return {toolPath(settings.javaBinDir, QStringLiteral("appletviewer")),
            {QString::fromLatin1(AppletPageName)},
            documentFolder(documentPath)};
}

KitCommand debugProgramCommand(const KitSettings& settings, const QString& documentPath, const QString& mainClass)
{
    const QString classPath = settings.classPathDir.isEmpty() ? QStringLiteral(".") : settings.classPathDir;
    // The program talks through the console as a run does: in UTF-8.
    return {toolPath(settings.javaBinDir, QStringLiteral("java")),
            QStringList{QStringLiteral("-agentlib:jdwp=transport=dt_socket,server=y,suspend=y,address=127.0.0.1:0")}
                << utf8Switches() << QStringLiteral("-classpath") << classPath << mainClass,
            documentFolder(documentPath)};
}

KitCommand jdbCommand(const KitSettings& settings, const QString& documentPath, quint16 port)
{
    // jdb's dumps show the program's strings: UTF-8, as the pane reads them.
    QStringList arguments{EnglishTexts};
    for (const QString& s : utf8Switches())
        arguments << QStringLiteral("-J") + s;
    arguments << QStringLiteral("-attach") << QStringLiteral("127.0.0.1:%1").arg(port);
    return {toolPath(settings.javaBinDir, QStringLiteral("jdb")), arguments, documentFolder(documentPath)};
}

QString appletPageText(const QString& documentPath)
{
    return QStringLiteral("<applet code=\"") + classNameOf(documentPath) +
           QStringLiteral(".class\" width=\"500\" height=\"500\"></applet>\r\n");
}

} // namespace KitCommands
