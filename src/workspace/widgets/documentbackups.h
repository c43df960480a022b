#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

class BackupSession;
class BackupWriter;
class TEditForm;

// Keeps a crash-recovery backup of every modified document in this run's
// backup session: a few seconds after the last change (and at least every
// LongestDelayMs while changes go on) the text is copied, on the
// user-interface thread, and written by a BackupWriter on its own thread.
// Saving a document, or closing it, removes its backup; a clean quit ends
// the session and leaves none. Owned by the frame window.
class DocumentBackups : public QObject {
    Q_OBJECT
public:
    static constexpr int QuietMs = 3000;
    static constexpr int LongestDelayMs = 30000;

    // Starts a session under `backupFolder`; when that fails, documents are
    // not backed up and startError() says why.
    explicit DocumentBackups(const QString& backupFolder, QObject* parent = nullptr);
    ~DocumentBackups() override; // waits for the writes asked for; keeps them

    const QString& startError() const { return m_startError; }
    // Where this run keeps its backups (empty without a session).
    QString sessionFolder() const;

    // Every editor window is handed over once, when it is made.
    void watch(TEditForm* editor);
    // Writes the backup of every modified document now and waits until it
    // is on disk (logout, `kill`, after a restore).
    void writeAllNow();
    // A clean quit: every backup of this run goes.
    void endSession();
    // From now on nothing is written or removed: what is on disk stays for
    // the next start (a quit without questions).
    void freeze() { m_frozen = true; }

signals:
    // A backup could not be written; emitted on the user-interface thread.
    void writeFailed(const QString& message);

private:
    class Tracker;
    friend class Tracker;
    void writeBackup(TEditForm* editor, int id);
    void removeBackup(int id);

    QString m_startError;
    std::unique_ptr<BackupSession> m_session;
    std::unique_ptr<BackupWriter> m_writer;
    std::vector<Tracker*> m_trackers; // one per watched window, owned by it
    int m_nextId = 1;
    bool m_frozen = false;
};
