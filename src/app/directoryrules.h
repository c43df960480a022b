#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The rules behind the file panel's directory commands and the HTML project
// catalogue; the dialogs only show what these decide.

enum class CreateDirOutcome {
    Created,
    AlreadyExists, // Information; nothing created
    InvalidName,   // empty, ".", ".." or with "/" in it; nothing created
    Failed,        // the system refused; error box
};

struct CreateDirResult {
    CreateDirOutcome outcome = CreateDirOutcome::Failed;
    QString path;    // the directory meant, empty for an invalid name
    QString message; // what to show; empty when created
};

// The new directory's path: `parent`, "/" and the trimmed name, or nothing
// when the name would lead anywhere but directly under `parent`.
std::optional<QString> newDirectoryPath(const QString& parent, const QString& name);
// "Create new directory": makes exactly one directory directly under
// `parent`, never its parents.
CreateDirResult createDirectory(const QString& parent, const QString& name);

// The file dialogs that start in the directory chosen by "Set as working
// dir". The save-as dialog is the active editor's and follows only while a
// document is open.
struct WorkingDirectories {
    QString openDialog;
    QString exportDialog;
    QString saveAsDialog;
    void setAsWorkingDir(const QString& directory, bool documentOpen);
};

// The HTML project catalogue, kept for the program's run only.
struct ProjectCatalogue {
    QString ProjectCatalog;                          // root directory, empty: none defined
    QString ImagesFolder = QStringLiteral("images"); // sub-folder for images
};

// The roots a user reaches here, for the drive boxes: "/", the home folder
// and the mounted volumes, without the system's pseudo file systems.
QStringList fileSystemRoots();
// The longest root that holds `path` ("/" when none does).
QString fileSystemRootOf(const QString& path, const QStringList& roots);
