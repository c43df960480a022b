#pragma once

#include "settings/result.h"

#include <QString>
#include <QStringList>

// Where the program's files live. There are two folders:
// - the shipped data, read-only: the executable's folder in a build tree
//   (the build copies data/ there), <prefix>/share/pellam-vornic once
//   installed;
// - the user folder, $XDG_CONFIG_HOME/pellam-vornic (by default
//   ~/.config/pellam-vornic): Vornic.ini and every file the program reads
//   or writes at run time (completion lists, colours, languages,
//   dictionaries, help, tips, backups). It starts as a copy of the shipped
//   data (seedUserFolder), so the user's own changes survive every rebuild
//   and update.
// The environment variable VORNIC_HOME, when set, is the user folder, and
// nothing is read from anywhere else (tests and portable use).
QString shippedDataFolder();
QString userFolder();
// The user folder (the name older callers know it by).
QString programFolder();
// A path in the user folder.
QString programFile(const QString& relativePath);

// For a run whose user folder cannot be made or seeded: from now on
// programFile() gives the shipped file of `shippedFolder` for any name the
// user folder lacks, so the program still has its help, tips, lists and
// colours. Never while VORNIC_HOME is set (nothing is read from elsewhere
// then); an empty folder turns it off.
void readShippedFilesTheUserFolderLacks(const QString& shippedFolder);

// What seeding did: the files copied, by relative path.
struct SeedReport {
    QStringList copied;
};

// Makes the user folder when it is missing and copies into it every shipped
// file (subfolders included, hidden files left out) that it has never been
// given: a file that is there is never replaced, and a shipped file the
// user deleted is not brought back. A list of the files given so far is
// kept in the user folder. Finally makes sure Vornic.ini can be written
// (creating it empty when it is missing). A failure names the folder or
// file and the system's reason; files copied before it stay.
Result<SeedReport> seedUserFolder(const QString& shippedFolder, const QString& userFolder);

// The list of seeded files inside the user folder.
inline constexpr char SeededListName[] = ".seeded-files";
