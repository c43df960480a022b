#include "app/filehistory.h"

#include "settings/inifile.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const QString Section = QStringLiteral("History");
const QString CountKey = QStringLiteral("Count");
const QString PrevKey = QStringLiteral("Prev");

QString slotKey(int slot)
{
    return QString::number(slot);
}

// The INI store trims values and keeps them on one line: a path that would
// come back different must not be recorded, or reopening it would reach
// another file and the duplicate test would never match it. A name with
// bytes that are not UTF-8 is one: the UTF-8 store keeps "?" for each.
bool storable(const QString& path)
{
    return !path.isEmpty() && path == path.trimmed() && !path.contains(QLatin1Char('\n')) &&
           !path.contains(QLatin1Char('\r')) && path.size() <= IniFile::MaxValueLength &&
           QString::fromUtf8(path.toUtf8()) == path;
}

// A hand-edited Count outside 0..20 must neither read past slot 20 nor
// write a negative count.
int countOf(const IniSection& history)
{
    return std::clamp(history.ReadInteger(CountKey, 0), 0, FileHistory::MaxFiles);
}

} // namespace

bool FileHistory::filledAtStart() const
{
    return QFileInfo::exists(m_ini.fileName()) && m_ini.ReadInteger(Section, CountKey, -1) != -1;
}

Result<void> FileHistory::SaveFileHistory(const QString& path)
{
    if (!storable(path))
        return {};
    const IniSection history = m_ini.ReadSectionValues(Section);
    const int n = countOf(history);
    for (int slot = 1; slot <= n; ++slot)
        if (history.ReadString(slotKey(slot), QString()) == path)
            return {};
    QList<QPair<QString, QString>> writes;
    if (n <= MaxFiles - 1)
        writes.append({CountKey, QString::number(n + 1)});
    const int prev = std::max(0, history.ReadInteger(PrevKey, 0));
    const int next = prev > MaxFiles - 1 ? 1 : prev + 1;
    writes.append({PrevKey, QString::number(next)});
    writes.append({slotKey(next), path});
    try {
        m_ini.WriteStrings(Section, writes);
    } catch (const IniWriteError& e) {
        return Result<void>::failure(e.message());
    }
    return {};
}

ReopenMenuItems FileHistory::LoadHistFromFile(const FileExists& exists) const
{
    ReopenMenuItems menu;
    menu.emptyShown = false;
    const IniSection history = m_ini.ReadSectionValues(Section);
    const int n = countOf(history);
    for (int slot = 1; slot <= n; ++slot) {
        const QString path = history.ReadString(slotKey(slot), QString());
        if (exists(path))
            AddFileToHist(menu, path);
    }
    return menu;
}

Result<void> FileHistory::ClearList(ReopenMenuItems& menu)
{
    try {
        m_ini.EraseSection(Section);
    } catch (const IniWriteError& e) {
        return Result<void>::failure(e.message());
    }
    menu.paths.clear();
    menu.emptyShown = true;
    return {};
}

bool FileHistory::AddFileToHist(ReopenMenuItems& menu, const QString& path)
{
    if (menu.paths.contains(path, Qt::CaseInsensitive))
        return false;
    menu.paths.prepend(path);
    return true;
}

ReopenDecision FileHistory::LoadHistFile(const QString& path, const OpenByName& allreadyOpen)
{
    const QString fileName = QFileInfo(path).fileName();
    if (!allreadyOpen(fileName))
        return {};
    return {ReopenDecision::Action::AlreadyOpen,
            QStringLiteral("A file with the filename \"") + fileName +
                QStringLiteral("\" already exists in an editor window.\n"
                               "You have to close this window before you can open another file with the "
                               "same filename.")};
}

QString FileHistory::clearQuestion()
{
    return QStringLiteral("Are you sure you want to clear the history list?");
}

bool FileHistory::isExistingFile(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}
