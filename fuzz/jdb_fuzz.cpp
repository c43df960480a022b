// Fuzzes the reading of jdb's output. The first byte seeds the chunk sizes;
// the rest is jdb's output. It is parsed whole, one byte at a time and in
// chunks of the seeded sizes: the items must be the same. Each item must be
// well formed: lines non-empty, trimmed and without line ends; prompts "> "
// or "<thread>[<n>] "; a run of prompts marked only after a prompt; stops
// with a class and a line above 0; one end, last. The watch pane's
// line-by-line scan of the log must equal its scan of the whole log, with
// every "X.y = " of the input watched. Any violation prints what broke and
// traps.
#include "fuzzcheck.h"
#include "toolchain/jdboutputparser.h"
#include "toolchain/watchscanner.h"

#include <QRegularExpression>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {


std::vector<JdbItem> parse(QByteArrayView bytes, std::uint8_t seed)
{
    JdbOutputParser parser;
    std::vector<JdbItem> items;
    qsizetype at = 0;
    std::uint32_t state = seed;
    while (at < bytes.size()) {
        qsizetype n = bytes.size();
        if (seed == 1) {
            n = 1;
        } else if (seed > 1) {
            state = state * 1103515245u + 12345u;
            n = 1 + qsizetype((state >> 16) % 64);
        }
        n = qMin(n, bytes.size() - at);
        parser.feed(bytes.sliced(at, n), items);
        at += n;
    }
    parser.finish(items);
    return items;
}

bool trimmed(const QString& s)
{
    return !s.isEmpty() && s.front() > u' ' && s.back() > u' ';
}

void checkItems(const std::vector<JdbItem>& items)
{
    static const QRegularExpression threadPrompt(QStringLiteral("^[^\\s\\[\\]>]+\\[\\d+\\] $"));
    check(!items.empty() && items.back().kind == JdbItem::Kind::Ended, "the items end with Ended");
    for (std::size_t i = 0; i < items.size(); ++i) {
        const JdbItem& item = items[i];
        switch (item.kind) {
        case JdbItem::Kind::Line:
            check(trimmed(item.text), "a line is trimmed and not empty");
            check(!item.text.contains(u'\n') && !item.text.contains(u'\r'), "a line holds no line end");
            check(item.text.size() <= JdbOutputParser::MaxLineChars, "a line is cut at its longest");
            break;
        case JdbItem::Kind::Prompt:
            check(item.text == QLatin1String("> ") || threadPrompt.match(item.text).hasMatch(),
                  "a prompt is \"> \" or a thread's");
            check(!item.afterPrompt || (i > 0 && items[i - 1].kind == JdbItem::Kind::Prompt),
                  "a prompt after a prompt follows one");
            break;
        case JdbItem::Kind::Stopped:
            check(item.line > 0 && !item.className.isEmpty(), "a stop has a class and a line");
            break;
        case JdbItem::Kind::Ended:
            check(i + 1 == items.size(), "Ended comes once, last");
            break;
        case JdbItem::Kind::Initialised:
        case JdbItem::Kind::VmStarted:
            break;
        }
    }
}

void checkWatchScan(const std::vector<JdbItem>& items)
{
    const QStringList lines = JdbOutputParser::logLines(items);
    static const QRegularExpression assignment(QStringLiteral("([\\w$]+\\.[\\w$]+) = "));
    QStringList watches;
    for (const QString& line : lines)
        for (const auto& m : assignment.globalMatch(line))
            if (!watches.contains(m.captured(1)) && watches.size() < 8)
                watches << m.captured(1);
    WatchScanner scanner(watches);
    QStringList pane;
    for (const QString& line : lines) {
        const QStringList peeked = scanner.peekLine(line);
        const QStringList scanned = scanner.scanLine(line);
        check(peeked == scanned, "looking at a line shows what scanning it adds");
        pane << scanned;
    }
    check(pane == WatchScanner::rescan(lines, watches), "the line-by-line scan equals the whole-log scan");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArrayView output(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const std::vector<JdbItem> whole = parse(output, 0);
    checkItems(whole);
    check(parse(output, 1) == whole, "one byte at a time gives the same items");
    check(parse(output, std::uint8_t(data[0] | 2)) == whole, "chunks give the same items");
    checkWatchScan(whole);
    return 0;
}
