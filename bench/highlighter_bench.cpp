// Token-stream speed of the highlighters over large generated documents,
// against a bare newline scan of the same bytes as the floor.

#include "samplesources.h"
#include "summaryreporter.h"

#include "editor/tsynhtmlsyn.h"
#include "editor/tsynjavasyn.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr int kLines = 100000;

const std::string& javaSource()
{
    static const std::string text = generateJavaSource(kLines);
    return text;
}

const std::string& htmlSource()
{
    static const std::string text = generateHtmlSource(kLines);
    return text;
}

void BM_PlainScan(benchmark::State& state)
{
    const std::string& text = javaSource();
    for (auto _ : state) {
        std::size_t lines = 0;
        const char* p = text.data();
        const char* end = p + text.size();
        while (const void* nl = std::memchr(p, '\n', std::size_t(end - p))) {
            ++lines;
            p = static_cast<const char*>(nl) + 1;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}

// Walks every line the way the edit control's styler does: the line's bytes
// in place, each token's kind and attribute asked for.
void tokenizeDocument(TSynCustomHighlighter& hl, const std::string& text)
{
    hl.ResetRange();
    const char* p = text.data();
    const char* end = p + text.size();
    int lineNumber = 0;
    for (;;) {
        const auto* nl = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
        const char* lineEnd = nl ? nl : end;
        hl.SetLine(std::string_view(p, std::size_t(lineEnd - p)), lineNumber++);
        for (; !hl.GetEol(); hl.Next()) {
            benchmark::DoNotOptimize(hl.GetTokenKind());
            benchmark::DoNotOptimize(hl.GetTokenAttribute());
        }
        if (!nl)
            break;
        p = nl + 1;
    }
}

void BM_JavaTokens(benchmark::State& state)
{
    const std::string& text = javaSource();
    TSynJavaSyn hl;
    for (auto _ : state)
        tokenizeDocument(hl, text);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}

void BM_HtmlTokens(benchmark::State& state)
{
    const std::string& text = htmlSource();
    TSynHTMLSyn hl;
    for (auto _ : state)
        tokenizeDocument(hl, text);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}

BENCHMARK(BM_PlainScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JavaTokens)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlTokens)->Unit(benchmark::kMillisecond);

void printRate(const SummaryReporter& report, const char* name)
{
    if (const auto rate = report.bytesPerSecond(name))
        std::printf("%s: %.1f MB/s (10^6 bytes)\n", name, *rate / 1e6);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("java sample: %zu bytes, html sample: %zu bytes, %d lines each\n", javaSource().size(),
                htmlSource().size(), kLines);
    SummaryReporter report;
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();

    std::printf("\n");
    printRate(report, "BM_PlainScan");
    printRate(report, "BM_JavaTokens");
    printRate(report, "BM_HtmlTokens");
    const auto plain = report.bytesPerSecond("BM_PlainScan");
    for (const char* name : {"BM_JavaTokens", "BM_HtmlTokens"}) {
        const auto rate = report.bytesPerSecond(name);
        if (rate && plain)
            std::printf("%s MB/s / plain scan MB/s: %.3f\n", name, *rate / *plain);
    }
    return 0;
}
