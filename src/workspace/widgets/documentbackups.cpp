#include "workspace/widgets/documentbackups.h"

#include "editor/widgets/tsynedit.h"
#include "workspace/backupsession.h"
#include "workspace/backupwriter.h"
#include "workspace/widgets/teditform.h"

#include <QElapsedTimer>
#include <QTimer>

// One per editor window, its child: the window's edits start the timers,
// its save or its end remove the backup.
class DocumentBackups::Tracker : public QObject {
public:
    Tracker(DocumentBackups* owner, TEditForm* editor, int id) : QObject(editor), m_owner(owner), m_editor(editor), m_id(id)
    {
        m_quiet.setSingleShot(true);
        m_quiet.setInterval(QuietMs);
        connect(&m_quiet, &QTimer::timeout, this, [this] { write(); });
        connect(editor, &TEditForm::edited, this, [this] { edited(); });
        connect(editor, &TEditForm::markedUnmodified, this, [this] { unmodified(); });
        owner->m_trackers.push_back(this);
    }
    ~Tracker() override
    {
        if (m_owner)
            std::erase(m_owner->m_trackers, this);
        // The window is going: closed by the user (its question answered),
        // or with the frame window (which decides through freeze/endSession).
        if (m_owner && m_written)
            m_owner->removeBackup(m_id);
    }
    void write()
    {
        m_quiet.stop();
        m_pendingSince.invalidate();
        if (!m_owner || m_owner->m_frozen || !m_editor->Modified)
            return;
        m_owner->writeBackup(m_editor, m_id);
        m_written = true;
    }

private:
    void edited()
    {
        if (!m_pendingSince.isValid())
            m_pendingSince.start();
        // Typing that never pauses still gets a backup now and then.
        if (m_pendingSince.elapsed() >= LongestDelayMs)
            write();
        else
            m_quiet.start();
    }
    void unmodified()
    {
        m_quiet.stop();
        m_pendingSince.invalidate();
        if (m_owner && m_written)
            m_owner->removeBackup(m_id);
        m_written = false;
    }

    QPointer<DocumentBackups> m_owner;
    TEditForm* m_editor; // the parent
    const int m_id;
    QTimer m_quiet;
    QElapsedTimer m_pendingSince;
    bool m_written = false;
};

DocumentBackups::DocumentBackups(const QString& backupFolder, QObject* parent) : QObject(parent)
{
    Result<std::unique_ptr<BackupSession>> session = BackupSession::start(backupFolder);
    if (!session) {
        m_startError = session.error();
        return;
    }
    m_session = session.take();
    QPointer<DocumentBackups> self = this;
    m_writer = std::make_unique<BackupWriter>([self](const QString& message) {
        QMetaObject::invokeMethod(
            self, [self, message] { if (self) emit self->writeFailed(message); }, Qt::QueuedConnection);
    });
}

DocumentBackups::~DocumentBackups()
{
    // The writer finishes its queue before the session lets go of the lock.
    m_writer.reset();
}

QString DocumentBackups::sessionFolder() const
{
    return m_session ? m_session->folder() : QString();
}

void DocumentBackups::watch(TEditForm* editor)
{
    if (m_session)
        new Tracker(this, editor, m_nextId++);
}

void DocumentBackups::writeBackup(TEditForm* editor, int id)
{
    DocumentBackup header;
    header.filePath = editor->HasFile ? editor->savePath() : QString();
    header.caption = editor->caption();
    header.languageName = editor->LanguageName;
    m_writer->write(m_session->backupPath(id), std::move(header), editor->SynEdit1->image());
}

void DocumentBackups::removeBackup(int id)
{
    if (!m_frozen)
        m_writer->remove(m_session->backupPath(id));
}

void DocumentBackups::writeAllNow()
{
    if (!m_session || m_frozen)
        return;
    for (Tracker* tracker : m_trackers)
        tracker->write();
    m_writer->flush();
}

void DocumentBackups::endSession()
{
    if (!m_session || m_frozen)
        return;
    m_frozen = true;
    BackupSession* session = m_session.get();
    m_writer->post([session] { session->end(); });
    m_writer->flush();
}
