#pragma once

#include "settings/result.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Files the wizards bring into the user's web project: pictures and pages
// picked with a file dialog are copied into the project's folder, and a
// random-image entry may take its picture away again. Nothing here ever
// writes or deletes outside the folder it was given.
namespace ProjectFiles {

// A file of the picked name is in the folder already.
enum class Existing { Replace, Keep, Cancel };

struct Placement {
    bool cancelled = false;
    QString name; // what the field takes: the bare file name
};

// Copies source into folder (made when missing). The same file is not
// copied onto itself; an existing one of that name is replaced, kept or the
// pick cancelled as askExisting answers. Errors name the path and reason.
Result<Placement> placeFile(const QString& source, const QString& folder,
                            const std::function<Existing(const QString& target)>& askExisting);

// The images folder: the catalog joined with the folder (the catalog itself
// for an empty folder name).
QString imagesFolderPath(const QString& projectCatalog, const QString& imagesFolder);

// The file a random-image entry names, when it may be deleted: a regular
// file that resolves inside the images folder. None for "../x", absolute
// paths outside it, links that lead out, folders and missing files.
std::optional<QString> deletableImage(const QString& projectCatalog, const QString& imagesFolder,
                                      const QString& entry);
Result<void> deleteFile(const QString& path);

// The lines of a text file to import into a list; binary files and files
// over MaxImportBytes are refused with a message.
inline constexpr qint64 MaxImportBytes = 1024 * 1024;
Result<QStringList> readImportLines(const QString& path);

} // namespace ProjectFiles
