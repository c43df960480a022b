// Loading and fully styling a large Java file: our edit control with our
// Java highlighter against a bare QScintilla with its own Java lexer. Both
// build a fresh widget per iteration, so construction is in the figures.

#include "samplesources.h"
#include "summaryreporter.h"

#include "editor/tsynjavasyn.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"

#include <Qsci/qscilexerjava.h>
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using S = QsciScintillaBase;

constexpr int kLines = 100000;

// A whole-document styling run leaves nothing unstyled; anything else means
// the figure measured less work than it claims.
bool fullyStyled(const QsciScintillaBase& view)
{
    return view.SendScintilla(S::SCI_GETENDSTYLED) == view.SendScintilla(S::SCI_GETLENGTH);
}

void loadOurs(benchmark::State& state, const QString& path, bool style)
{
    for (auto _ : state) {
        {
            TSynJavaSyn java; // outlives the control, which only points at it
            TSynEdit edit;
            edit.setHighlighter(&java);
            if (!edit.loadFromFile(path)) {
                state.SkipWithError("loadFromFile failed");
                break;
            }
            if (style) {
                edit.view()->SendScintilla(S::SCI_COLOURISE, 0, -1);
                if (!fullyStyled(*edit.view())) {
                    state.SkipWithError("document not fully styled");
                    break;
                }
            }
        }
        QCoreApplication::processEvents();
    }
}

void loadBare(benchmark::State& state, const QString& path, bool style)
{
    for (auto _ : state) {
        {
            QsciScintilla edit;
            edit.setLexer(new QsciLexerJava(&edit));
            edit.SendScintilla(S::SCI_SETCODEPAGE, 0);
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                state.SkipWithError("cannot open the sample");
                break;
            }
            const QByteArray bytes = file.readAll();
            edit.SendScintilla(S::SCI_ADDTEXT, uintptr_t(bytes.size()), bytes.constData());
            if (style) {
                edit.SendScintilla(S::SCI_COLOURISE, 0, -1);
                if (!fullyStyled(edit)) {
                    state.SkipWithError("document not fully styled");
                    break;
                }
            }
        }
        QCoreApplication::processEvents();
    }
}

void registerBenchmarks(const QString& path)
{
    auto add = [&](const char* name, void (*load)(benchmark::State&, const QString&, bool), bool style) {
        benchmark::RegisterBenchmark(name, [=](benchmark::State& state) { load(state, path, style); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->MinTime(2.0);
    };
    add("BM_StyledLoadOurs", loadOurs, true);
    add("BM_StyledLoadBare", loadBare, true);
    // Without the styling pass, to tell loading from styling.
    add("BM_LoadOnlyOurs", loadOurs, false);
    add("BM_LoadOnlyBare", loadBare, false);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Sample.java"));
    {
        const std::string text = generateJavaSource(kLines);
        QFile file(path);
        if (!folder.isValid() || !file.open(QIODevice::WriteOnly) ||
            file.write(text.data(), qint64(text.size())) != qint64(text.size())) {
            std::fprintf(stderr, "cannot write the sample to %s\n", qPrintable(path));
            return 1;
        }
        std::printf("java sample: %zu bytes, %d lines, LF line ends\n", text.size(), kLines);
    }

    registerBenchmarks(path);
    SummaryReporter report;
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();

    std::printf("\n");
    for (const char* name : {"BM_StyledLoadOurs", "BM_StyledLoadBare", "BM_LoadOnlyOurs", "BM_LoadOnlyBare"})
        if (const auto t = report.secondsPerIteration(name))
            std::printf("%s: %.1f ms (cpu %.1f ms)\n", name, *t * 1e3, *report.cpuSecondsPerIteration(name) * 1e3);
    const auto ours = report.secondsPerIteration("BM_StyledLoadOurs");
    const auto bare = report.secondsPerIteration("BM_StyledLoadBare");
    if (ours && bare && *bare > 0) {
        std::printf("styled load ratio ours/bare: %.2f\n", *ours / *bare);
        const double cpuRatio =
            *report.cpuSecondsPerIteration("BM_StyledLoadOurs") / *report.cpuSecondsPerIteration("BM_StyledLoadBare");
        std::printf("styled load ratio ours/bare (cpu time): %.2f\n", cpuRatio);
    }
    return 0;
}
