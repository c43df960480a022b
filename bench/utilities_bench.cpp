// Spell checking, the dictionary and the print preview:
// - loading the shipped English dictionary (target: under 100 ms);
// - checking a 100,000-line Java file from the top without a dialog, against
//   the Java token stream alone over the same file (target: 3 times at most);
// - a keystroke in a 100,000-line file with the check while typing on and
//   off (target: the same);
// - the first page of the preview of a 10,000-line document (target: 1 s).

#include "samplesources.h"
#include "summaryreporter.h"

#include "editor/tsynjavasyn.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"
#include "editor/widgets/tsyneditprint.h"
#include "editor/widgets/tsyneditprintpreview.h"
#include "utilities/spelldictionary.h"
#include "utilities/spellscanner.h"
#include "utilities/widgets/tsynspellcheck.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kLines = 100000;
constexpr int kPreviewLines = 10000;

QString dictionaryPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("dictionaries/english.1-0-0.dic"));
}

const SpellDictionary& english()
{
    static const SpellDictionary d = [] {
        SpellDictionary loaded;
        loaded.addWordListFile(dictionaryPath());
        return loaded;
    }();
    return d;
}

const std::string& javaSource()
{
    static const std::string text = generateJavaSource(kLines);
    return text;
}

const QStringList& javaLines()
{
    static const QStringList lines = QString::fromLatin1(javaSource()).split(QLatin1Char('\n'));
    return lines;
}

void BM_LoadEnglishDictionary(benchmark::State& state)
{
    for (auto _ : state) {
        SpellDictionary d;
        if (!d.addWordListFile(dictionaryPath())) {
            state.SkipWithError("no dictionary: build the vornic_dictionary target");
            break;
        }
        benchmark::DoNotOptimize(d.size());
    }
}

// The Java token stream alone, as the edit control's styler walks it: each
// line's bytes in place, each token's attribute asked for.
void BM_JavaTokenStream(benchmark::State& state)
{
    const std::string& text = javaSource();
    TSynJavaSyn java;
    for (auto _ : state) {
        java.ResetRange();
        const char* p = text.data();
        const char* end = p + text.size();
        int line = 0;
        std::size_t tokens = 0;
        for (;;) {
            const auto* nl = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
            const char* lineEnd = nl ? nl : end;
            java.SetLine(std::string_view(p, std::size_t(lineEnd - p)), line++);
            for (; !java.GetEol(); java.Next()) {
                benchmark::DoNotOptimize(java.GetTokenAttribute());
                ++tokens;
            }
            if (!nl)
                break;
            p = nl + 1;
        }
        benchmark::DoNotOptimize(tokens);
    }
}

// The whole check without a dialog: the same token stream over the lines as
// the checker reads them from the edit control, the words of comments and
// strings looked up.
void BM_SpellCheckJavaFile(benchmark::State& state)
{
    const QStringList& lines = javaLines();
    const SpellDictionary& d = english();
    if (d.size() == 0) {
        state.SkipWithError("no dictionary");
        return;
    }
    TSynJavaSyn java;
    int unknown = 0;
    for (auto _ : state)
        unknown = countUnknownWords(lines, &java, {}, [&d](QStringView w) { return d.contains(w); });
    state.counters["unknown_words"] = unknown;
}

// One key typed into a comment in view, and the deferred work it causes.
void typeKeys(benchmark::State& state, bool autoSpellCheck)
{
    TSynJavaSyn java;
    TSynEdit edit;
    edit.setHighlighter(&java);
    edit.resize(900, 700);
    edit.show();
    edit.setText(javaLines().join(QLatin1Char('\n')));
    TSynSpellCheck spell;
    spell.DictionaryDirectory = spell.UserDirectory = QFileInfo(dictionaryPath()).absolutePath();
    spell.LoadDictionary(QStringLiteral("English"));
    spell.setAutoSpellCheck(autoSpellCheck);
    spell.setEditor(&edit);
    const int middle = kLines / 2;
    edit.setCaretXY(1, middle);
    edit.setSelText(QStringLiteral("// "));
    QCoreApplication::processEvents();
    int typed = 0;
    for (auto _ : state) {
        const char letter = "recieve "[typed++ % 8];
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QLatin1Char(letter)));
        QApplication::sendEvent(edit.view(), &press);
        QCoreApplication::processEvents();
    }
    edit.setHighlighter(nullptr);
}

void BM_KeystrokeSpellCheckOn(benchmark::State& state) { typeKeys(state, true); }
void BM_KeystrokeSpellCheckOff(benchmark::State& state) { typeKeys(state, false); }

// From the engine's set-up with the document's lines to the first page
// painted in the preview.
void BM_PreviewFirstPage(benchmark::State& state)
{
    const QStringList lines = javaLines().mid(0, kPreviewLines);
    TSynJavaSyn java;
    for (auto _ : state) {
        TSynEditPrint print;
        print.setPage(QSizeF(210, 297), 1200);
        print.Header().Add(QStringLiteral("Document: Sample.java"), nullptr, HFAlignment::Right, 1);
        print.Footer().Add(QStringLiteral("Page $PAGENUM$ of $PAGECOUNT$"), nullptr, HFAlignment::Right, 1);
        print.setLines(lines);
        print.setHighlighter(&java);
        TSynEditPrintPreview preview;
        preview.resize(1000, 800);
        preview.show();
        preview.setSynEditPrint(&print);
        preview.viewport()->repaint();
        benchmark::DoNotOptimize(preview.PageCount());
    }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);
    std::printf("dictionary: %s, %d words\n", qPrintable(dictionaryPath()), english().size());
    std::printf("java sample: %zu bytes, %d lines\n", javaSource().size(), kLines);

    auto add = [](const char* name, void (*fn)(benchmark::State&), double minTime) {
        benchmark::RegisterBenchmark(name, fn)->Unit(benchmark::kMillisecond)->MinTime(minTime);
    };
    add("BM_LoadEnglishDictionary", BM_LoadEnglishDictionary, 1.0);
    add("BM_JavaTokenStream", BM_JavaTokenStream, 1.0);
    add("BM_SpellCheckJavaFile", BM_SpellCheckJavaFile, 1.0);
    benchmark::RegisterBenchmark("BM_KeystrokeSpellCheckOn", BM_KeystrokeSpellCheckOn)
        ->Unit(benchmark::kMicrosecond)->Iterations(400);
    benchmark::RegisterBenchmark("BM_KeystrokeSpellCheckOff", BM_KeystrokeSpellCheckOff)
        ->Unit(benchmark::kMicrosecond)->Iterations(400);
    add("BM_PreviewFirstPage", BM_PreviewFirstPage, 1.0);

    SummaryReporter report;
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();

    auto ms = [&](const char* name) { return report.cpuSecondsPerIteration(name).value_or(0) * 1e3; };
    std::printf("\nloading the English dictionary: %.1f ms (target < 100 ms)\n", ms("BM_LoadEnglishDictionary"));
    if (ms("BM_JavaTokenStream") > 0)
        std::printf("spell check / Java token stream: %.2f (target <= 3)\n",
                    ms("BM_SpellCheckJavaFile") / ms("BM_JavaTokenStream"));
    if (ms("BM_KeystrokeSpellCheckOff") > 0)
        std::printf("keystroke with / without the check while typing: %.3f ms / %.3f ms = %.2f\n",
                    ms("BM_KeystrokeSpellCheckOn"), ms("BM_KeystrokeSpellCheckOff"),
                    ms("BM_KeystrokeSpellCheckOn") / ms("BM_KeystrokeSpellCheckOff"));
    std::printf("print preview, first page of %d lines: %.1f ms (target < 1000 ms)\n", kPreviewLines,
                report.secondsPerIteration("BM_PreviewFirstPage").value_or(0) * 1e3);
    return 0;
}
