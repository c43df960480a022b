#include "settings/changeset.h"

#include "settings/atomicfile.h"
#include "settings/fileaccess.h"
#include "settings/textlistfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void ChangeSet::writeFile(const QString& path, const QByteArray& bytes)
{
    m_changes.append({Kind::Bytes, path, bytes, {}, {}});
}

void ChangeSet::writeList(const QString& path, const QStringList& lines)
{
    m_changes.append({Kind::List, path, {}, lines, {}});
}

void ChangeSet::editIni(const QString& path, const IniBatch& batch)
{
    m_changes.append({Kind::Ini, path, {}, {}, batch});
}

void ChangeSet::removeFile(const QString& path)
{
    m_changes.append({Kind::Remove, path, {}, {}, {}});
}

namespace {

// A file that holds the bytes already is not written again.
bool sameBytes(const QString& path, const QByteArray& bytes)
{
    const Result<qint64> size = FileAccess::regularFileSize(path);
    if (!size || size.value() != bytes.size())
        return false;
    const Result<QByteArray> current = FileAccess::readRegularFile(path, bytes.size());
    return current && current.value() == bytes;
}

} // namespace

Result<void> ChangeSet::applyOne(const Change& c) const
{
    // A folder of the program folder may not be there yet (a new user folder).
    if (c.kind != Kind::Remove)
        QDir().mkpath(QFileInfo(c.path).path());
    switch (c.kind) {
    case Kind::Bytes: return sameBytes(c.path, c.bytes) ? Result<void>() : writeAtomically(c.path, c.bytes);
    case Kind::List: return TextListFile::write(c.path, c.lines);
    case Kind::Ini:
        try {
            IniFile(c.path).Apply(c.batch);
        } catch (const IniWriteError& e) {
            return Result<void>::failure(e.message());
        }
        return {};
    case Kind::Remove:
        if (QFileInfo::exists(c.path) && !QFile::remove(c.path))
            return Result<void>::failure(QStringLiteral("Unable to delete ") + c.path);
        return {};
    }
    return {};
}

Result<void> ChangeSet::apply() const
{
    // Decided before anything is written, so a file made in the first pass
    // is not changed a second time in the next.
    QList<bool> existed;
    for (const Change& c : m_changes)
        existed.append(QFileInfo::exists(c.path));
    for (int pass = 0; pass < 3; ++pass) {
        for (qsizetype i = 0; i < m_changes.size(); ++i) {
            const Change& c = m_changes[i];
            const int passOf = c.kind == Kind::Remove ? 2 : existed[i] ? 1 : 0;
            if (passOf != pass)
                continue;
            if (Result<void> r = applyOne(c); !r)
                return r;
        }
    }
    return {};
}
