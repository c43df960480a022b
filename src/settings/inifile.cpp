#include "settings/inifile.h"

#include "settings/fileaccess.h"

#include <mutex>
#include <vector>

namespace {

// One lock for every store: reads and writes of single values from the
// user-interface thread and a worker must not interleave inside one file.
std::mutex& iniMutex()
{
    static std::mutex m;
    return m;
}

// One physical line of the file, without its line end.
struct Line {
    QByteArray text;
    QByteArray end; // "\r\n", "\n", "\r" or empty for a last line without one
};

enum class LineType { Section, Key, Other };

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArray trimBlanks(const QByteArray& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

struct Parsed {
    LineType type = LineType::Other;
    QByteArray name;  // section or key name
    QByteArray value; // key value
};

Parsed parseLine(const QByteArray& raw)
{
    Parsed p;
    const QByteArray t = trimBlanks(raw);
    if (t.startsWith('[')) {
        const qsizetype close = t.indexOf(']');
        p.type = LineType::Section;
        p.name = trimBlanks(close < 0 ? t.mid(1) : t.mid(1, close - 1));
        return p;
    }
    const qsizetype eq = t.indexOf('=');
    if (eq <= 0)
        return p;
    p.type = LineType::Key;
    p.name = trimBlanks(t.left(eq));
    p.value = trimBlanks(t.mid(eq + 1));
    return p;
}

std::vector<Line> splitLines(const QByteArray& bytes)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\n' && c != '\r')
            continue;
        Line l;
        l.text = bytes.mid(start, i - start);
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') {
            l.end = QByteArrayLiteral("\r\n");
            ++i;
        } else {
            l.end = QByteArray(1, c);
        }
        lines.push_back(std::move(l));
        start = i + 1;
    }
    if (start < n)
        lines.push_back({bytes.mid(start), QByteArray()});
    return lines;
}

// A settings file is small; one that is not a regular file (a FIFO would
// block the start for good, a link to /dev/zero fill memory) or is huge
// reads as empty.
constexpr qint64 kMaxIniBytes = 64 * 1024 * 1024;

QByteArray readAll(const QString& path)
{
    Result<QByteArray> bytes = FileAccess::readRegularFile(path, kMaxIniBytes);
    return bytes ? bytes.take() : QByteArray();
}

bool sameName(const QByteArray& a, const QString& b)
{
    return QString::fromUtf8(a).compare(b, Qt::CaseInsensitive) == 0;
}

// Line-end style for lines we add: the file's own, else LF.
QByteArray lineEndOf(const std::vector<Line>& lines)
{
    for (const Line& l : lines)
        if (!l.end.isEmpty())
            return l.end;
    return QByteArrayLiteral("\n");
}

// Names and values must stay on one line, or a value could plant keys.
QByteArray oneLine(const QString& s)
{
    QByteArray b = s.toUtf8();
    b.replace('\r', ' ');
    b.replace('\n', ' ');
    return b;
}

// [first, last) lines of the first section of that name; first is the header.
struct SectionRange {
    std::size_t header = 0;
    std::size_t end = 0;
    bool found = false;
};

SectionRange findSection(const std::vector<Line>& lines, const QString& section, std::size_t from = 0)
{
    SectionRange r;
    for (std::size_t i = from; i < lines.size(); ++i) {
        const Parsed p = parseLine(lines[i].text);
        if (p.type != LineType::Section)
            continue;
        if (r.found) {
            r.end = i;
            return r;
        }
        if (sameName(p.name, section)) {
            r.found = true;
            r.header = i;
        }
    }
    r.end = lines.size();
    return r;
}

QByteArray joinLines(const std::vector<Line>& lines)
{
    QByteArray out;
    for (const Line& l : lines) {
        out += l.text;
        out += l.end;
    }
    return out;
}

// Rewrites the file unless it holds these bytes already: a change that
// changes nothing costs no write (nor a flush to disk).
void writeLines(const QString& path, const std::vector<Line>& lines, const QByteArray& before)
{
    const QByteArray out = joinLines(lines);
    if (out == before && FileAccess::exists(path))
        return;
    // Never replaces what is not a regular file: renaming a temporary file
    // over a link to /dev/zero would, for root, replace the device itself.
    if (!FileAccess::writeFileSafely(path, out))
        throw IniWriteError(QStringLiteral("Unable to write to ") + path);
}

// Sets one key in the lines of a file: replaces its line, or adds it after
// the section's last key, or adds the section at the end.
void setKey(std::vector<Line>& lines, const QString& section, const QString& key, const QString& value)
{
    const QByteArray eol = lineEndOf(lines);
    const QByteArray entry = oneLine(key) + '=' + oneLine(value);
    const SectionRange r = findSection(lines, section);
    if (!r.found) {
        if (!lines.empty() && lines.back().end.isEmpty())
            lines.back().end = eol;
        lines.push_back({'[' + oneLine(section) + ']', eol});
        lines.push_back({entry, eol});
        return;
    }
    std::size_t insertAt = r.header + 1;
    for (std::size_t i = r.header + 1; i < r.end; ++i) {
        const Parsed p = parseLine(lines[i].text);
        if (p.type != LineType::Key)
            continue;
        if (sameName(p.name, key)) {
            lines[i].text = entry;
            return;
        }
        insertAt = i + 1;
    }
    if (insertAt > 0 && lines[insertAt - 1].end.isEmpty())
        lines[insertAt - 1].end = eol;
    lines.insert(lines.begin() + std::ptrdiff_t(insertAt), Line{entry, eol});
}

// The value of a key, or nothing when the section or key is missing.
std::optional<QByteArray> findValue(const QString& path, const QString& section, const QString& key)
{
    const std::vector<Line> lines = splitLines(readAll(path));
    const SectionRange r = findSection(lines, section);
    if (!r.found)
        return std::nullopt;
    for (std::size_t i = r.header + 1; i < r.end; ++i) {
        const Parsed p = parseLine(lines[i].text);
        if (p.type == LineType::Key && sameName(p.name, key))
            return p.value;
    }
    return std::nullopt;
}

} // namespace

IniWriteError::IniWriteError(const QString& message) : std::runtime_error(message.toStdString()) {}
IniConversionError::IniConversionError(const QString& message) : std::runtime_error(message.toStdString()) {}

std::optional<int> parseIniInteger(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
        negative = t[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < t.size() && t[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < t.size() && t[i] == u'0' && (t[i + 1] == u'x' || t[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= t.size())
        return std::nullopt;
    std::uint64_t v = 0;
    for (; i < t.size(); ++i) {
        const int d = t[i].isDigit() && t[i].unicode() < 128 ? t[i].unicode() - '0'
                      : base == 16 && t[i].toLower() >= u'a' && t[i].toLower() <= u'f'
                          ? t[i].toLower().unicode() - 'a' + 10
                          : -1;
        if (d < 0)
            return std::nullopt;
        v = v * std::uint64_t(base) + std::uint64_t(d);
        if (v > 0xFFFFFFFFull)
            return std::nullopt;
    }
    if (base == 16) {
        // Hexadecimal is a bit pattern: "-$80000000" wraps to itself rather
        // than overflowing a signed negation.
        const auto u = std::uint32_t(v);
        return std::int32_t(negative ? 0u - u : u);
    }
    if (negative ? v > 0x80000000ull : v > 0x7FFFFFFFull)
        return std::nullopt;
    return negative ? int(-std::int64_t(v)) : int(v);
}

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    std::lock_guard lock(iniMutex());
    const auto v = findValue(m_path, section, key);
    if (!v)
        return defaultValue;
    return QString::fromUtf8(*v).left(MaxValueLength);
}

namespace {

int integerOr(const QString& text, int defaultValue)
{
    const auto v = parseIniInteger(text);
    return v ? *v : defaultValue;
}

TColor colorOf(const QString& text)
{
    const auto c = Colors::StringToColor(text);
    if (!c)
        throw IniConversionError(Colors::invalidIntegerMessage(text));
    return *c;
}

} // namespace

int IniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    return integerOr(ReadString(section, key, QString()), defaultValue);
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

TColor IniFile::ReadColor(const QString& section, const QString& key, TColor defaultValue) const
{
    return colorOf(ReadString(section, key, Colors::ColorToString(defaultValue)));
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    WriteStrings(section, {{key, value}});
}

void IniFile::WriteStrings(const QString& section, const QList<QPair<QString, QString>>& entries)
{
    IniBatch batch;
    for (const auto& [key, value] : entries)
        batch.WriteString(section, key, value);
    Apply(batch);
}

IniSection IniFile::ReadSectionValues(const QString& section) const
{
    std::lock_guard lock(iniMutex());
    const std::vector<Line> lines = splitLines(readAll(m_path));
    const SectionRange r = findSection(lines, section);
    IniSection values;
    if (!r.found)
        return values;
    for (std::size_t i = r.header + 1; i < r.end; ++i) {
        const Parsed p = parseLine(lines[i].text);
        if (p.type == LineType::Key)
            values.m_entries.append({QString::fromUtf8(p.name), QString::fromUtf8(p.value).left(MaxValueLength)});
    }
    return values;
}

QString IniSection::ReadString(const QString& key, const QString& defaultValue) const
{
    return value(key).value_or(defaultValue);
}

int IniSection::ReadInteger(const QString& key, int defaultValue) const
{
    return integerOr(ReadString(key, QString()), defaultValue);
}

bool IniSection::ReadBool(const QString& key, bool defaultValue) const
{
    return ReadInteger(key, defaultValue ? 1 : 0) != 0;
}

TColor IniSection::ReadColor(const QString& key, TColor defaultValue) const
{
    return colorOf(ReadString(key, Colors::ColorToString(defaultValue)));
}

std::optional<QString> IniSection::value(const QString& key) const
{
    // The first of two keys of one name wins, as a single read does.
    for (const auto& [name, value] : m_entries)
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return value;
    return std::nullopt;
}

void IniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void IniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::WriteColor(const QString& section, const QString& key, TColor value)
{
    WriteString(section, key, Colors::ColorToString(value));
}

namespace {

// Removes every section of that name; true when there was one.
bool eraseSection(std::vector<Line>& lines, const QString& section)
{
    bool changed = false;
    for (SectionRange r = findSection(lines, section); r.found; r = findSection(lines, section, r.header)) {
        lines.erase(lines.begin() + std::ptrdiff_t(r.header), lines.begin() + std::ptrdiff_t(r.end));
        changed = true;
    }
    return changed;
}

// Removes the first key of that name in the section; true when there was one.
bool deleteKey(std::vector<Line>& lines, const QString& section, const QString& key)
{
    const SectionRange r = findSection(lines, section);
    if (!r.found)
        return false;
    for (std::size_t i = r.header + 1; i < r.end; ++i) {
        const Parsed p = parseLine(lines[i].text);
        if (p.type == LineType::Key && sameName(p.name, key)) {
            lines.erase(lines.begin() + std::ptrdiff_t(i));
            return true;
        }
    }
    return false;
}

} // namespace

void IniFile::EraseSection(const QString& section)
{
    IniBatch batch;
    batch.EraseSection(section);
    Apply(batch);
}

void IniFile::DeleteKey(const QString& section, const QString& key)
{
    IniBatch batch;
    batch.DeleteKey(section, key);
    Apply(batch);
}

void IniFile::Apply(const IniBatch& batch)
{
    std::lock_guard lock(iniMutex());
    // A file that is there but cannot be read (nor one that is no regular
    // file) is never rewritten from nothing: everything in it would be lost.
    Result<QByteArray> read = FileAccess::readRegularFile(m_path, kMaxIniBytes);
    if (!read && FileAccess::exists(m_path))
        throw IniWriteError(QStringLiteral("Unable to write to ") + m_path);
    const QByteArray before = read ? read.take() : QByteArray();
    std::vector<Line> lines = splitLines(before);
    bool changed = false;
    for (const IniBatch::Change& c : batch.m_changes) {
        switch (c.kind) {
        case IniBatch::Kind::Write:
            setKey(lines, c.section, c.key, c.value);
            changed = true;
            break;
        case IniBatch::Kind::EraseSection: changed |= eraseSection(lines, c.section); break;
        case IniBatch::Kind::DeleteKey: changed |= deleteKey(lines, c.section, c.key); break;
        }
    }
    if (changed)
        writeLines(m_path, lines, before);
}

void IniBatch::WriteString(const QString& section, const QString& key, const QString& value)
{
    m_changes.append({Kind::Write, section, key, value});
}

void IniBatch::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void IniBatch::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniBatch::WriteColor(const QString& section, const QString& key, TColor value)
{
    WriteString(section, key, Colors::ColorToString(value));
}

void IniBatch::EraseSection(const QString& section)
{
    m_changes.append({Kind::EraseSection, section, {}, {}});
}

void IniBatch::DeleteKey(const QString& section, const QString& key)
{
    m_changes.append({Kind::DeleteKey, section, key, {}});
}

bool IniFile::SectionExists(const QString& section) const
{
    std::lock_guard lock(iniMutex());
    return findSection(splitLines(readAll(m_path)), section).found;
}

bool IniFile::ValueExists(const QString& section, const QString& key) const
{
    std::lock_guard lock(iniMutex());
    return findValue(m_path, section, key).has_value();
}

QStringList IniFile::ReadSection(const QString& section) const
{
    std::lock_guard lock(iniMutex());
    const std::vector<Line> lines = splitLines(readAll(m_path));
    const SectionRange r = findSection(lines, section);
    QStringList keys;
    if (!r.found)
        return keys;
    for (std::size_t i = r.header + 1; i < r.end; ++i) {
        const Parsed p = parseLine(lines[i].text);
        if (p.type == LineType::Key)
            keys << QString::fromUtf8(p.name);
    }
    return keys;
}

QStringList IniFile::ReadSections() const
{
    std::lock_guard lock(iniMutex());
    QStringList names;
    for (const Line& l : splitLines(readAll(m_path))) {
        const Parsed p = parseLine(l.text);
        if (p.type == LineType::Section)
            names << QString::fromUtf8(p.name);
    }
    return names;
}
