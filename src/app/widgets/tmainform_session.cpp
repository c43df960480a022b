// TMainForm: the program's session. Crash recovery (a backup of every
// modified document, offered back after a run that ended without cleaning
// up) and ending without questions on logout or `kill`.
#include "app/widgets/tmainform.h"
#include "editor/widgets/tsynedit.h"
#include "settings/programfolder.h"
#include "workspace/backupsession.h"
#include "workspace/newdocuments.h"
#include "workspace/widgets/documentbackups.h"
#include "workspace/widgets/recoverydialog.h"
#include "workspace/widgets/teditform.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {

QString backupFolder()
{
    return programFile(QStringLiteral("backup"));
}

// The kind of new document an untitled backup was, by its name's extension.
NewDocuments::Kind kindOfCaption(const QString& caption)
{
    const QString extension = QLatin1Char('.') + QFileInfo(caption).suffix().toLower();
    for (const NewDocuments::KindInfo& k : NewDocuments::kinds())
        if (k.extension && extension == QLatin1String(k.extension))
            return k.kind;
    return NewDocuments::Kind::Text;
}

} // namespace

void TMainForm::startBackups()
{
    m_backups = new DocumentBackups(backupFolder(), this);
    bool told = false;
    connect(m_backups, &DocumentBackups::writeFailed, this, [this, told](const QString& message) mutable {
        // Once per run: a full disk would otherwise ask on every pause in typing.
        if (told)
            return;
        told = true;
        QMessageBox::warning(this, QStringLiteral("Warning"),
                             QStringLiteral("A backup of unsaved text could not be written, so it may not be "
                                            "recovered after a crash:\n\n%1")
                                 .arg(message));
    });
}

void TMainForm::watchForBackups(TEditForm* editor)
{
    if (m_backups)
        m_backups->watch(editor);
}

void TMainForm::endBackups()
{
    if (m_backups)
        m_backups->endSession();
}

void TMainForm::quitWithoutQuestions()
{
    m_quitWithoutQuestions = true;
    // What the user has not saved waits on disk for the next start.
    if (m_backups) {
        m_backups->writeAllNow();
        m_backups->freeze();
    }
    close();
    // A dialog open at this moment has an event loop of its own: leave them all.
    QApplication::exit(0);
}

void TMainForm::offerLeftoverBackups()
{
    LeftoverBackups leftovers = LeftoverBackups::claim(backupFolder());
    if (leftovers.empty()) {
        if (m_backups && !m_backups->startError().isEmpty())
            QMessageBox::warning(this, QStringLiteral("Warning"),
                                 QStringLiteral("Unsaved text cannot be backed up in this run, so it cannot be "
                                                "recovered after a crash:\n\n%1")
                                     .arg(m_backups->startError()));
        return;
    }
    const std::vector<LeftoverBackups::Entry> entries = leftovers.entries();
    std::vector<DocumentBackup> headers;
    for (const LeftoverBackups::Entry& e : entries)
        headers.push_back(e.header);
    RecoveryDialog dialog(headers, this);
    const RecoveryDialog::Choice choice = dialog.ask();
    if (choice == RecoveryDialog::Choice::KeepForLater)
        return;
    std::vector<const LeftoverBackups::Entry*> done;
    for (int row : dialog.checkedRows()) {
        const LeftoverBackups::Entry& entry = entries[std::size_t(row)];
        if (choice == RecoveryDialog::Choice::Restore) {
            const std::optional<DocumentBackup> backup = DocumentBackup::read(entry.path);
            // A backup spoilt since it was listed stays for a later look.
            if (!backup || !restoreDocument(*backup))
                continue;
        }
        done.push_back(&entry);
    }
    // The restored text is in this run's backups before the old ones go.
    if (m_backups)
        m_backups->writeAllNow();
    for (const LeftoverBackups::Entry* entry : done)
        leftovers.discard(*entry);
}

TEditForm* TMainForm::restoreDocument(const DocumentBackup& backup)
{
    TEditForm* editor = nullptr;
    // Two documents of one name cannot be open at once: a second one
    // comes back untitled.
    if (!backup.isUntitled() && !AllreadyOpen(QFileInfo(backup.filePath).fileName())) {
        const FileImage text{backup.bytes, backup.encoding};
        LoadFile(backup.filePath, &text);
        editor = GetActiveEditor();
    } else {
        editor = backup.languageName.isEmpty() ? NewDocument(kindOfCaption(backup.caption))
                                               : GeneralDocument(backup.languageName);
        if (editor)
            editor->SynEdit1->loadFromBytes({backup.bytes, backup.encoding});
    }
    if (editor)
        editor->markModified();
    return editor;
}
