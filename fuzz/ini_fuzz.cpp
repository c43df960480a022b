// Fuzzes the INI store over a file holding the input bytes, and the integer
// and colour conversions over the input read as text. Any broken invariant
// traps, so libFuzzer keeps the input.
#include "fuzzcheck.h"
#include "settings/inifile.h"
#include "settings/tcolor.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// Every key of every section would make one input cost a parse per key of a
// file that may be megabytes long; a few of each find the same faults.
constexpr int kMaxSections = 4;
constexpr int kMaxKeys = 4;
constexpr int kMaxLines = 64;


// Every write of the store syncs its file to disk, several times per input;
// on a RAM disk that costs next to nothing.
QString folderTemplate()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString base = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return base + QStringLiteral("/ini_fuzz-XXXXXX");
}

// One file in one folder for the whole run; the store rewrites it through a
// temporary file beside it, so the folder must be ours.
const QString& iniPath()
{
    static QTemporaryDir dir(folderTemplate());
    static const QString path = dir.filePath(QStringLiteral("fuzz.ini"));
    check(dir.isValid(), "cannot make the temporary folder");
    return path;
}

void writeFile(const QString& path, const std::uint8_t* data, std::size_t size)
{
    std::FILE* f = std::fopen(QFile::encodeName(path).constData(), "wb");
    check(f != nullptr, "cannot write the input file");
    check(size == 0 || std::fwrite(data, 1, size, f) == size, "short write of the input file");
    std::fclose(f);
}

// A short value the store must give back unchanged: no line break, and no
// blank at either end, since reading trims those.
QString valueFrom(const std::uint8_t* data, std::size_t size)
{
    QString v = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(std::min<std::size_t>(size, 40)));
    v.remove(QLatin1Char('\r'));
    v.remove(QLatin1Char('\n'));
    return v.trimmed();
}

QString unusedKey(const IniFile& ini, const QString& section)
{
    for (int n = 0;; ++n) {
        const QString key = QStringLiteral("FuzzKey%1").arg(n);
        if (!ini.ValueExists(section, key))
            return key;
    }
}

QString unusedSection(const IniFile& ini)
{
    for (int n = 0;; ++n) {
        const QString section = QStringLiteral("FuzzSection%1").arg(n);
        if (!ini.SectionExists(section))
            return section;
    }
}

// What the documented integer syntax accepts: optional sign, then decimal
// digits within int range, or "$"/"0x"/"0X" and at most 32 bits of hex.
std::optional<int> referenceInteger(const QString& text)
{
    static const QRegularExpression decimal(QStringLiteral("^([+-]?)([0-9]+)$"));
    static const QRegularExpression hex(QStringLiteral("^([+-]?)(?:\\$|0[xX])([0-9a-fA-F]+)$"));
    const QString t = text.trimmed();
    if (const auto m = decimal.match(t); m.hasMatch()) {
        QString digits = m.captured(2);
        while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
            digits.remove(0, 1);
        if (digits.size() > 10)
            return std::nullopt;
        const qint64 v = (m.captured(1) == QLatin1String("-") ? -1 : 1) * digits.toLongLong();
        if (v < INT32_MIN || v > INT32_MAX)
            return std::nullopt;
        return int(v);
    }
    if (const auto m = hex.match(t); m.hasMatch()) {
        QString digits = m.captured(2);
        while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
            digits.remove(0, 1);
        if (digits.size() > 8)
            return std::nullopt;
        const std::uint32_t u = digits.toUInt(nullptr, 16);
        return std::int32_t(m.captured(1) == QLatin1String("-") ? 0u - u : u);
    }
    return std::nullopt;
}

void checkColor(TColor c)
{
    const QString text = Colors::ColorToString(c);
    static const QRegularExpression notation(QStringLiteral("^(cl[A-Za-z0-9]+|\\$[0-9A-F]{8})$"));
    check(notation.match(text).hasMatch(), "ColorToString outside the colour notation");
    check(Colors::StringToColor(text) == c, "StringToColor(ColorToString(c)) != c");
}

void exerciseConversions(const QString& text)
{
    const std::optional<int> n = parseIniInteger(text);
    check(n == referenceInteger(text), "parseIniInteger disagrees with the integer syntax");
    const std::optional<TColor> c = Colors::StringToColor(text);
    if (n)
        check(c == TColor(*n), "StringToColor of an integer differs from parseIniInteger");
    if (c)
        checkColor(*c);
}

// The typed reads must agree with the string read they are built on.
void checkReads(const IniFile& ini, const QString& section, const QStringList& keys)
{
    for (int i = 0; i < keys.size() && i < kMaxKeys; ++i) {
        const QString& key = keys[i];
        check(ini.ValueExists(section, key), "a listed key does not exist");
        const QString text = ini.ReadString(section, key, QString());
        check(text.size() <= IniFile::MaxValueLength, "value longer than the limit");
        exerciseConversions(text);
        const std::optional<int> n = parseIniInteger(text);
        check(ini.ReadInteger(section, key, -7) == n.value_or(-7), "ReadInteger differs from parseIniInteger");
        check(ini.ReadBool(section, key, true) == (n ? *n != 0 : true), "ReadBool differs from ReadInteger");
        const std::optional<TColor> expected = Colors::StringToColor(text);
        try {
            const TColor c = ini.ReadColor(section, key, Colors::clNone);
            check(expected == c, "ReadColor differs from StringToColor");
        } catch (const IniConversionError&) {
            check(!expected, "ReadColor threw on a colour");
        }
    }
}

// A new key lands after the last key of the section, and goes again.
void checkNewKey(IniFile& ini, const QStringList& sections, const QString& value, std::size_t pick)
{
    const QString s = sections[qsizetype(pick % std::size_t(sections.size()))];
    const QStringList keys = ini.ReadSection(s);
    const QString k = unusedKey(ini, s);
    ini.WriteString(s, k, value);
    check(ini.ReadString(s, k, QStringLiteral("\x01missing")) == value, "value read back differs (old section)");
    check(ini.ReadSection(s) == QStringList(keys) << k, "keys of the section after a write");
    check(ini.ReadSections() == sections, "sections changed by writing a key");
    ini.DeleteKey(s, k);
    check(!ini.ValueExists(s, k), "key still there after DeleteKey");
    check(ini.ReadSection(s) == keys, "keys of the section after DeleteKey");
    if (!keys.isEmpty()) {
        ini.DeleteKey(s, keys[qsizetype(pick % std::size_t(keys.size()))]);
        check(ini.ReadSection(s).size() == keys.size() - 1, "DeleteKey removed not exactly one key");
    }
}

// The typed writes too, with a number taken from the input.
void checkNewSection(IniFile& ini, const QString& value, std::int32_t number)
{
    const QString fresh = unusedSection(ini);
    const QStringList before = ini.ReadSections();
    ini.WriteString(fresh, QStringLiteral("Key"), value);
    check(ini.SectionExists(fresh), "new section missing after a write");
    check(ini.ReadString(fresh, QStringLiteral("Key"), QStringLiteral("\x01missing")) == value,
          "value read back differs (new section)");
    check(ini.ReadSections() == QStringList(before) << fresh, "sections after adding one");

    ini.WriteInteger(fresh, QStringLiteral("Number"), number);
    check(ini.ReadInteger(fresh, QStringLiteral("Number"), ~number) == number, "integer read back differs");
    ini.WriteBool(fresh, QStringLiteral("Flag"), number & 1);
    check(ini.ReadBool(fresh, QStringLiteral("Flag"), !(number & 1)) == bool(number & 1), "boolean read back differs");
    ini.WriteColor(fresh, QStringLiteral("Color"), number);
    check(ini.ReadColor(fresh, QStringLiteral("Color"), ~number) == number, "colour read back differs");
}

// Erasing takes every section of that name and nothing else.
void checkErase(IniFile& ini, std::size_t pick)
{
    const QStringList all = ini.ReadSections();
    const QString victim = all[qsizetype(pick % std::size_t(all.size()))];
    ini.EraseSection(victim);
    check(!ini.SectionExists(victim), "section exists after EraseSection");
    QStringList rest = all;
    rest.removeIf([&](const QString& s) { return s.compare(victim, Qt::CaseInsensitive) == 0; });
    check(ini.ReadSections() == rest, "other sections changed by EraseSection");
}

void exerciseStore(const QString& value, std::int32_t number, std::size_t pick)
{
    IniFile ini(iniPath());
    const QStringList sections = ini.ReadSections();
    for (int i = 0; i < sections.size() && i < kMaxSections; ++i) {
        check(ini.SectionExists(sections[i]), "a listed section does not exist");
        checkReads(ini, sections[i], ini.ReadSection(sections[i]));
    }
    if (!sections.isEmpty())
        checkNewKey(ini, sections, value, pick);
    checkNewSection(ini, value, number); // so there is always a section to erase
    checkErase(ini, pick);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::int32_t number = 0;
    std::memcpy(&number, data, std::min(size, sizeof number));
    writeFile(iniPath(), data, size);
    exerciseStore(valueFrom(data, size), number, size);

    const char* chars = reinterpret_cast<const char*>(data);
    const QString latin = QString::fromLatin1(chars, qsizetype(size));
    exerciseConversions(latin);
    exerciseConversions(QString::fromUtf8(chars, qsizetype(size)));
    // Lines and the text after their "=" too: a whole file is hardly ever a
    // number.
    static const QRegularExpression lineEnd(QStringLiteral("[\\r\\n]"));
    const QStringList lines = latin.split(lineEnd);
    for (qsizetype i = 0; i < lines.size() && i < kMaxLines; ++i) {
        exerciseConversions(lines[i]);
        if (const qsizetype eq = lines[i].indexOf(QLatin1Char('=')); eq >= 0)
            exerciseConversions(lines[i].mid(eq + 1));
    }
    checkColor(number);
    return 0;
}
