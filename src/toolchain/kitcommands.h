#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class IniFile;

// How each tool of the Java development kit is started: a program path, its
// arguments one by one and a working directory, so no shell ever parses a
// command line and names with blanks, quotes or shell characters pass whole.
namespace KitCommands {

struct KitCommand {
    QString program;
    QStringList arguments;
    QString workingDirectory;

    bool operator==(const KitCommand&) const = default;
};

// The settings every kit tool reads, fresh from the store at each use.
struct KitSettings {
    QString javaBinDir;
    QString debugGenOptions;
    QString classPathDir; // as the user typed it, ":" between folders
    bool javaAppsInDosWindow = false;

    // A missing `JavaBinDir` key gives the JDK found in `environment`; a key
    // that exists and is empty stays empty.
    static KitSettings read(const IniFile& ini,
                            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
};

// JAVA_HOME/bin when it holds an executable javac, else the folder of the
// javac found on PATH with symbolic links resolved; empty when there is none.
QString defaultJavaBinDir(const QProcessEnvironment& environment);

// `JavaBinDir` + "/" + tool; an empty folder gives "/tool", which fails to
// start and is reported with that path.
QString toolPath(const QString& javaBinDir, const QString& tool);

// The document's file name without its last extension: the class to run.
QString classNameOf(const QString& documentPath);

// Where a document's class is compiled to and run from. Without a package
// that is the document's folder and the class is named after the file. For
// `package a.b;` the class is "a.b.Main" and the root is the folder two
// levels above the document when it lies in .../a/b (where javac writes the
// class file anyway), else the document's folder (javac then writes it
// into a/b/ below).
struct ClassLocation {
    QString root;      // the class path root the launcher runs in
    QString className; // with its package
    bool operator==(const ClassLocation&) const = default;
};
ClassLocation classLocation(const QString& documentPath, const QString& packageName);

// The JVM switches that make a program's standard output and error and its
// default charset (what it reads its input with) UTF-8 whatever the locale:
// the sun.* ones for JDK 17, stdout/stderr.encoding from JDK 19 on. Under
// LANG=C a JVM without them prints "?" for every non-ASCII character.
QStringList utf8Switches();

// javac in the document's folder, reading the source in `sourceEncoding`
// (the document's, as javac names it: "UTF-8", "windows-1252", ...) and
// writing its messages in UTF-8. With `DebugGenOptions` its switches and the
// class path come next; without, only the file name (no class path). A
// class in a package is written below its class path root, and the other
// classes of its package are found there (-d and -sourcepath).
KitCommand javacCommand(const KitSettings& settings, const QString& documentPath,
                        const QString& sourceEncoding = QStringLiteral("UTF-8"), const QString& packageName = {});
// The console run: java with the class name, in the document's folder (its
// class path root for a class in a package), talking UTF-8 on its standard
// streams.
KitCommand javaCommand(const KitSettings& settings, const QString& documentPath, const QString& packageName = {});
// The command-window run: the class path switch before the class name, so the
// program does not receive it as arguments, in the same folder as above.
KitCommand javaCommandWindowCommand(const KitSettings& settings, const QString& documentPath,
                                    const QString& packageName = {});
// The applet viewer on the page `AppletPageName` in the document's folder.
KitCommand appletViewerCommand(const KitSettings& settings, const QString& documentPath);
// The program to debug: java with the debug agent listening on a free port of
// 127.0.0.1 and holding the program until jdb attaches, the class path ("."
// when empty, as java would read "" the same) and `mainClass`, in the
// document's folder. The agent reports its port on the program's output.
KitCommand debugProgramCommand(const KitSettings& settings, const QString& documentPath, const QString& mainClass);
// jdb attached to that port, in the document's folder, so "list" finds the
// sources beside the class files. jdb started on the class itself would not
// pass its input on to the program.
KitCommand jdbCommand(const KitSettings& settings, const QString& documentPath, quint16 port);

inline constexpr char AppletPageName[] = "tmp.htm";
// The applet page's whole text for a document such as Clock.java, CR LF ended.
QString appletPageText(const QString& documentPath);

} // namespace KitCommands
