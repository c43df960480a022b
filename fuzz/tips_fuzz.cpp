// Fuzzes the tips reader: the input is a tips file. Parsing must succeed or
// give the conversion error; a parsed file's count is at least 1 and every
// tip of the cycle from any start is a line of the file without a "#".
#include "fuzzcheck.h"
#include "utilities/tipsfile.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Result<TipsFile> parsed = TipsFile::parse(bytes);
    if (!parsed) {
        check(parsed.error().endsWith(QLatin1String("is not a valid integer value")), "unexpected error text");
        return 0;
    }
    const TipsFile tips = parsed.take();
    check(tips.count() >= 1, "a tip count below 1 was accepted");
    // A huge count must not make the walk huge: a few steps of the cycle
    // from its first, middle and last tips.
    for (int start : {1, tips.count() / 2 + 1, tips.count()}) {
        int current = start;
        for (int step = 0; step < 4; ++step) {
            current = nextTipNumber(current, tips.count());
            check(current >= 1 && current <= tips.count(), "the cycle left 1..N");
            if (const std::optional<QString> tip = tips.tip(current))
                check(!tip->trimmed().contains(QLatin1Char('#')), "a tip holding '#' was shown");
        }
    }
    return 0;
}
