#pragma once

#include "workspace/backupfile.h"

#include <QDialog>

#include <vector>

class QTreeWidget;

// Offers the backups that a run which ended without cleaning up left
// behind: one row per document (its name, when it was backed up, and
// whether its file changed since), each with a check box. The user
// restores the checked ones, discards them, or keeps everything for later;
// the rows left unchecked are kept in any case.
class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Restore, Discard, KeepForLater };

    explicit RecoveryDialog(const std::vector<DocumentBackup>& backups, QWidget* parent = nullptr);

    // Shows the dialog and returns the user's choice (Escape keeps).
    Choice ask();
    // Indexes into the backups given, in their order.
    std::vector<int> checkedRows() const;
    void setChecked(int row, bool checked);

    // The "Its file" column for a backup.
    static QString fileState(const DocumentBackup& backup);

private:
    void discard();

    QTreeWidget* m_list;
    Choice m_choice = Choice::KeepForLater;
};
