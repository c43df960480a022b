#pragma once

#include "settings/inifile.h"
#include "settings/result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The file changes of one user action. Each file changes in one atomic
// rewrite, and the order keeps the files consistent when a write fails
// part way: files that do not exist yet are made first, then the files that
// exist are changed (the lists naming the new ones), and files are removed
// last (after the lists no longer name them). Changes read the files as
// they are when apply() runs.
class ChangeSet {
public:
    void writeFile(const QString& path, const QByteArray& bytes);
    void writeList(const QString& path, const QStringList& lines);
    void editIni(const QString& path, const IniBatch& batch);
    void removeFile(const QString& path);
    bool isEmpty() const { return m_changes.isEmpty(); }

    // Stops at the first failure, whose message is "Unable to write to "
    // or "Unable to delete " and the path; the changes made before it stay.
    Result<void> apply() const;

private:
    enum class Kind { Bytes, List, Ini, Remove };
    struct Change {
        Kind kind;
        QString path;
        QByteArray bytes;
        QStringList lines;
        IniBatch batch;
    };
    Result<void> applyOne(const Change& change) const;
    QList<Change> m_changes;
};
