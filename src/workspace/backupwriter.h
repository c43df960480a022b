#pragma once

#include "editor/documentimage.h"
#include "workspace/backupfile.h"

#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// Writes and removes backup files on a thread of its own, in the order they
// were asked for, so typing never waits for the disk: the caller hands over
// a copy of the text (a DocumentImage) and goes on. A backup is written
// atomically (a temporary file renamed over it), so a crash at any moment
// leaves it or its previous version whole.
class BackupWriter {
public:
    // `failed` is called on the writer's thread with a message naming the
    // file and the reason, for every write that failed.
    explicit BackupWriter(std::function<void(const QString&)> failed = {});
    ~BackupWriter(); // does what is queued, then stops

    // Writes `header` with the text of `image` (as its file's bytes, in its
    // encoding) to
    // `path`; the time and the file's stamp are taken when it is written.
    // A write of the same path that is still waiting is dropped.
    void write(const QString& path, DocumentBackup header, DocumentImage image);
    void remove(const QString& path);
    // Any other work that must follow what is queued (ending the session).
    void post(std::function<void()> job);
    // Returns once everything asked for so far is done.
    void flush();

    BackupWriter(const BackupWriter&) = delete;
    BackupWriter& operator=(const BackupWriter&) = delete;

private:
    struct Job {
        QString path; // of a write; empty for other work
        std::function<void()> run;
    };
    void loop();
    void enqueue(Job job);

    std::function<void(const QString&)> m_failed;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Job> m_jobs;
    bool m_busy = false;
    bool m_stop = false;
    std::thread m_thread;
};
