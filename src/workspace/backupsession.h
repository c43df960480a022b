#pragma once

#include "settings/result.h"
#include "workspace/backupfile.h"

#include <QString>

#include <memory>
#include <vector>

// The crash-recovery backups of one run of the program: a folder of its own
// under the backup folder, "<id>/", and beside it the lock file "<id>.lock",
// locked (flock) for as long as the run lives. The system drops the lock
// however the process ends, so a session whose lock can be taken belongs to
// a run that ended without cleaning up: a crash, `kill -9`, a power cut.
// Two runs at once each keep their own session and never take the other's
// live backups for a crash.
class BackupSession {
public:
    // Makes the backup folder when it is missing.
    static Result<std::unique_ptr<BackupSession>> start(const QString& backupFolder);
    ~BackupSession(); // gives up the lock; the backups stay

    const QString& folder() const { return m_folder; }
    // Where the backup of the document numbered `documentId` goes.
    QString backupPath(int documentId) const;
    // A clean end of the run: the backups, the folder and the lock go.
    void end();

    BackupSession(const BackupSession&) = delete;
    BackupSession& operator=(const BackupSession&) = delete;

private:
    BackupSession(QString folder, QString lockPath, int lockFd);

    QString m_folder;
    QString m_lockPath;
    int m_lockFd = -1;
};

// The backups of runs that ended without cleaning up, for the user to
// restore, discard or keep. While this object lives it holds their
// sessions' locks, so a second run started meanwhile does not offer them
// too. Anything in the backup folder that is not a backup of ours is left
// alone and never offered.
class LeftoverBackups {
public:
    struct Entry {
        QString path;          // the backup file
        DocumentBackup header; // without the text (DocumentBackup::read)
    };

    static LeftoverBackups claim(const QString& backupFolder);
    LeftoverBackups() = default;
    LeftoverBackups(LeftoverBackups&& other) noexcept;
    LeftoverBackups& operator=(LeftoverBackups&& other) noexcept;
    // Gives the locks back; sessions left without a backup are removed.
    ~LeftoverBackups();

    // Oldest first.
    const std::vector<Entry>& entries() const { return m_entries; }
    bool empty() const { return m_entries.empty(); }
    void discard(const Entry& entry);

    // The name a backup file has in a session folder.
    static bool isBackupFileName(const QString& name);
    static bool isSessionName(const QString& name);

private:
    struct Claimed {
        QString folder;
        QString lockPath;
        int lockFd = -1;
    };
    void release();

    std::vector<Claimed> m_sessions;
    std::vector<Entry> m_entries;
};
