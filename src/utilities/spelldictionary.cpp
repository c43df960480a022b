#include "utilities/spelldictionary.h"

#include "editor/linestore.h"

#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The letter without accents, lower case; 0 for no letter.
char16_t baseLetter(QChar c)
{
    if (!c.isLetter())
        return 0;
    QChar base = c;
    if (c.decompositionTag() != QChar::NoDecomposition) {
        const QString d = c.decomposition();
        if (!d.isEmpty())
            base = d[0];
    }
    return base.toLower().unicode();
}

char soundexDigit(char16_t c)
{
    switch (c) {
    case 'b': case 'f': case 'p': case 'v': return '1';
    case 'c': case 'g': case 'j': case 'k': case 'q': case 's': case 'x': case 'z': return '2';
    case 'd': case 't': return '3';
    case 'l': return '4';
    case 'm': case 'n': return '5';
    case 'r': return '6';
    case 'h': case 'w': return 'h'; // no code, and does not part equal codes
    default: return '0';            // vowels and other letters: no code
    }
}

bool isApostrophe(QChar c)
{
    return c == u'\'' || c == u'`' || c == u'\u00B4' || c == u'\u2019';
}

bool hasOtherApostrophes(QStringView word)
{
    for (QChar c : word)
        if (isApostrophe(c) && c != u'\'')
            return true;
    return false;
}

QString normalizedApostrophes(QStringView word)
{
    QString w = word.toString();
    for (QChar& c : w)
        if (isApostrophe(c))
            c = u'\'';
    return w;
}

bool isCapitalized(QStringView word)
{
    if (word.isEmpty() || !word[0].isUpper())
        return false;
    for (QChar c : word.mid(1))
        if (c.isUpper())
            return false;
    return true;
}

bool isAllCapitals(QStringView word)
{
    bool letter = false;
    for (QChar c : word) {
        if (c.isLower())
            return false;
        letter = letter || c.isUpper();
    }
    return word.size() > 1 && letter;
}

bool isAllLower(QStringView word)
{
    for (QChar c : word)
        if (c.isUpper())
            return false;
    return true;
}

} // namespace

QString soundex(QStringView word)
{
    QString code;
    char last = 0;
    for (QChar ch : word) {
        const char16_t c = baseLetter(ch);
        if (!c)
            continue;
        const char digit = c < 128 ? soundexDigit(c) : '0';
        if (code.isEmpty()) {
            code += QChar(c).toUpper();
            last = digit;
            continue;
        }
        if (digit == 'h')
            continue;
        if (digit != '0' && digit != last)
            code += QLatin1Char(digit);
        last = digit;
        if (code.size() == 4)
            break;
    }
    if (!code.isEmpty())
        while (code.size() < 4)
            code += QLatin1Char('0');
    return code;
}

int editDistance(QStringView a, QStringView b)
{
    // Optimal string alignment distance, three rows.
    const qsizetype n = a.size(), m = b.size();
    std::vector<int> before(std::size_t(m + 1)), previous(std::size_t(m + 1)), current(std::size_t(m + 1));
    for (qsizetype j = 0; j <= m; ++j)
        previous[std::size_t(j)] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        current[0] = int(i);
        for (qsizetype j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int d = std::min({previous[std::size_t(j)] + 1, current[std::size_t(j - 1)] + 1,
                              previous[std::size_t(j - 1)] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, before[std::size_t(j - 2)] + 1);
            current[std::size_t(j)] = d;
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[std::size_t(m)];
}

// ---- the word set --------------------------------------------------------

void SpellDictionary::addWordList(const QByteArray& bytes)
{
    const bool utf8 = QByteArrayView(bytes).isValidUtf8();
    m_words.reserve(m_words.size() + bytes.size() / 9);
    const char* p = bytes.constData();
    const char* const end = p + bytes.size();
    while (p < end) {
        const char* eol = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
        if (!eol)
            eol = end;
        const char* s = p;
        const char* e = eol;
        while (s < e && (*s == ' ' || *s == '\t' || *s == '\r'))
            ++s;
        while (e > s && (e[-1] == ' ' || e[-1] == '\t' || e[-1] == '\r'))
            --e;
        if (e > s && e - s <= MaxWordLength * 4) {
            QString word = utf8 ? QString::fromUtf8(s, e - s) : QString::fromLatin1(s, e - s);
            if (word.size() <= MaxWordLength)
                m_words.insert(hasOtherApostrophes(word) ? normalizedApostrophes(word) : word);
        }
        p = eol + 1;
    }
    m_soundIndexBuilt = false;
    m_bySound.clear();
}

Result<void> SpellDictionary::addWordListFile(const QString& path)
{
    Result<QByteArray> bytes = readFileBytes(path);
    if (!bytes)
        return Result<void>::failure(bytes.error());
    addWordList(bytes.value());
    return {};
}

void SpellDictionary::addWord(const QString& word)
{
    const QString w = normalizedApostrophes(word.trimmed());
    if (w.isEmpty() || has(w))
        return;
    m_words.insert(w);
    if (m_soundIndexBuilt)
        m_bySound[soundex(w)] << w;
}

void SpellDictionary::clear()
{
    m_words.clear();
    m_bySound.clear();
    m_soundIndexBuilt = false;
}

bool SpellDictionary::containsExactly(QStringView word) const
{
    if (has(word))
        return true;
    if (isAllLower(word))
        return false;
    const QString lower = word.toString().toLower();
    if (has(lower))
        return true;
    if (isAllCapitals(word)) {
        QString capitalized = lower;
        capitalized[0] = capitalized[0].toUpper();
        return has(capitalized);
    }
    return false;
}

bool SpellDictionary::contains(QStringView word) const
{
    QString normalized;
    if (hasOtherApostrophes(word)) {
        normalized = normalizedApostrophes(word);
        word = normalized;
    }
    if (containsExactly(word))
        return true;
    if (word.size() > 2 && word.endsWith(QLatin1String("'s"), Qt::CaseInsensitive))
        return containsExactly(word.chopped(2));
    return false;
}

void SpellDictionary::buildSoundIndex() const
{
    if (m_soundIndexBuilt)
        return;
    m_bySound.clear();
    for (const QString& w : m_words)
        m_bySound[soundex(w)] << w;
    m_soundIndexBuilt = true;
}

QStringList SpellDictionary::suggestions(QStringView word, int maximum) const
{
    const QString asked = normalizedApostrophes(word);
    const QString code = soundex(asked);
    if (code.isEmpty())
        return {};
    buildSoundIndex();
    const QString lower = asked.toLower();
    struct Candidate {
        int distance, lengthGap;
        QString word;
    };
    std::vector<Candidate> candidates;
    QSet<QString> seen;
    for (const QString& w : m_bySound.value(code)) {
        QString shown = isAllCapitals(asked) ? w.toUpper()
                        : isCapitalized(asked) && !w.isEmpty() ? w.left(1).toUpper() + w.mid(1)
                                                               : w;
        // Only a form the look-up accepts: "AIs" stays "AIs" for "AIZ".
        if (shown != w && !contains(shown))
            shown = w;
        if (shown == asked || seen.contains(shown))
            continue;
        seen.insert(shown);
        candidates.push_back({editDistance(lower, w.toLower()), int(std::abs(w.size() - asked.size())), shown});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        if (a.distance != b.distance)
            return a.distance < b.distance;
        if (a.lengthGap != b.lengthGap)
            return a.lengthGap < b.lengthGap;
        return a.word < b.word;
    });
    QStringList out;
    for (const Candidate& c : candidates) {
        if (out.size() >= maximum)
            break;
        out << c.word;
    }
    return out;
}

Result<void> addToWordListFile(const QString& path, const QString& word)
{
    QByteArray bytes;
    if (QFileInfo::exists(path)) {
        Result<QByteArray> old = readFileBytes(path);
        if (!old)
            return Result<void>::failure(old.error());
        bytes = old.take();
        if (!bytes.isEmpty() && !bytes.endsWith('\n'))
            bytes += '\n';
    }
    bytes += word.trimmed().toUtf8() + '\n';
    return writeFileAtomically(path, bytes);
}
