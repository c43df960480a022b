#include "workspace/backupwriter.h"

#include "editor/linestore.h"

#include <QFile>

BackupWriter::BackupWriter(std::function<void(const QString&)> failed)
    : m_failed(std::move(failed)), m_thread([this] { loop(); })
{
}

BackupWriter::~BackupWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void BackupWriter::write(const QString& path, DocumentBackup header, DocumentImage image)
{
    auto run = [this, path, header = std::move(header), image = std::move(image)]() mutable {
        FileImage file = fileImage(image);
        header.bytes = std::move(file.bytes);
        header.encoding = file.encoding;
        header.written = QDateTime::currentDateTimeUtc();
        header.fileStamp = header.isUntitled() ? std::nullopt : FileStamp::of(header.filePath);
        const Result<void> r = writeFileAtomically(path, header.encode());
        if (!r && m_failed)
            m_failed(r.error());
    };
    {
        std::lock_guard lock(m_mutex);
        // Only the newest text of a document is worth the disk's time.
        std::erase_if(m_jobs, [&](const Job& j) { return j.path == path; });
    }
    enqueue({path, std::move(run)});
}

void BackupWriter::remove(const QString& path)
{
    post([path] { QFile::remove(path); });
}

void BackupWriter::post(std::function<void()> job)
{
    enqueue({QString(), std::move(job)});
}

void BackupWriter::enqueue(Job job)
{
    {
        std::lock_guard lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void BackupWriter::flush()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_jobs.empty() && !m_busy; });
}

void BackupWriter::loop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_jobs.empty(); });
        if (m_jobs.empty()) {
            if (m_stop)
                return;
            continue;
        }
        Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_busy = true;
        lock.unlock();
        job.run();
        lock.lock();
        m_busy = false;
        if (m_jobs.empty())
            m_idle.notify_all();
    }
}
