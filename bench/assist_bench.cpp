// Code assistance on 100,000-line Java files, with a dot typed at line
// 100,000: (a) many classes, the dot after a field whose class is declared
// near the top; (b) one class spanning the file, String s; at its top;
// (c) Math. Each "key to filled list" iteration types the dot into the edit
// control and fills the popup (the comment test, the document index brought
// up to date, the type look-up, the list file or the class's members, the
// popup's rows), then takes the dot away again outside the timing. Beside
// them: a bare token pass over the same file, the comment test alone, Quick
// find's fills and jump, and a key typed in a popup of 1,000 rows.

#include "samplesources.h"
#include "summaryreporter.h"

#include "assist/javasourcemodel.h"
#include "assist/quickfind.h"
#include "assist/widgets/editortext.h"
#include "assist/widgets/tcustomsynautocomplete.h"
#include "assist/widgets/tfmcompletionproposal.h"
#include "editor/tsynjavasyn.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr int kLines = 100000;

struct Sample {
    const char* name;
    std::string text; // kLines lines, the last one ending in the name before the dot
};

// The generated text cut after its last line that is `closing` (the end of
// a class or a method, never inside a comment), padded with empty lines to
// `lines` lines, then `tail` (its lines count too).
std::string cutAndFinish(std::string text, std::string_view closing, int lines, std::string_view tail)
{
    const std::size_t at = text.rfind("\n" + std::string(closing) + "\n");
    text.resize(at + 1 + closing.size());
    int count = 1;
    for (char c : text)
        count += c == '\n';
    for (char c : tail)
        count += c == '\n';
    text.append(std::size_t(std::max(lines - count, 0)), '\n');
    return text + "\n" + std::string(tail);
}

std::vector<Sample>& samples()
{
    static std::vector<Sample> all = [] {
        std::vector<Sample> s;
        // (a) many classes; a class at the end with a field of class Sample3.
        s.push_back({"ManyClasses", cutAndFinish(generateJavaSource(kLines), "}", kLines,
                                                 "class Tail {\n    Sample3 other;\n    void use() {\n"
                                                 "        int n = 0;\n        other")});
        // (b) one unfinished class; the dot inside its last method.
        s.push_back(
            {"OneClass", cutAndFinish(generateSingleClassJavaSource(kLines, "Big", "    String s;\n    int count;"),
                                      "    }", kLines, "    void last() {\n        s")});
        // (c) a list file's class.
        s.push_back({"MathList", cutAndFinish(generateJavaSource(kLines), "}", kLines,
                                              "class Tail {\n    void use() {\n        double d = Math")});
        return s;
    }();
    return all;
}

// A class from the middle of (a), for Quick find.
QString middleClass()
{
    static const QString name = [] {
        const QStringList names = JavaSourceModel::FinnKlasseNavnene(samples()[0].text);
        return names.value(names.size() / 2);
    }();
    return name;
}

// An edit control holding a sample, its caret at the end of the last line.
struct Editor {
    TSynJavaSyn java; // outlives the window, whose control points at it
    std::unique_ptr<QWidget> window;
    TSynEdit* edit = nullptr;
    TCustomSynAutoComplete* completion = nullptr;

    explicit Editor(const std::string& text)
    {
        window = std::make_unique<QWidget>();
        edit = new TSynEdit(window.get());
        edit->setHighlighter(&java);
        edit->setText(QString::fromLatin1(text.data(), qsizetype(text.size())));
        edit->setCaretXY(1000, edit->lineCount());
        edit->setCaretX(edit->lineText().size() + 1);
        completion = new TCustomSynAutoComplete(window.get());
        completion->AddEditor(edit);
        window->resize(800, 600);
        window->show();
        QCoreApplication::processEvents();
    }
};

void keyToFilledList(benchmark::State& state, const Sample& sample)
{
    Editor e(sample.text);
    // The first dot in a freshly opened file reads the whole index once.
    e.edit->setSelText(QStringLiteral("."));
    e.completion->ShowAtCaret(e.edit);
    e.completion->popup()->hide();
    e.edit->undo();
    int rows = 0;
    for (auto _ : state) {
        // The edit control's own cost of inserting the dot is not ours.
        state.PauseTiming();
        e.edit->setSelText(QStringLiteral("."));
        state.ResumeTiming();
        if (!EditorText::caretInCommentOrString(e.edit))
            e.completion->ShowAtCaret(e.edit);
        rows = e.completion->popup()->rowCount();
        state.PauseTiming();
        e.completion->popup()->hide();
        e.edit->undo();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (rows == 0)
        state.SkipWithError("no popup");
    state.counters["rows"] = rows;
}

void bareTokenPass(benchmark::State& state)
{
    const std::string& text = samples()[0].text;
    for (auto _ : state) {
        TSynJavaSyn lexer;
        std::size_t tokens = 0, start = 0;
        int line = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            for (lexer.SetLine(std::string_view(text).substr(start, end - start), line++); !lexer.GetEol();
                 lexer.Next())
                ++tokens;
            start = end + 1;
        }
        benchmark::DoNotOptimize(tokens);
    }
}

void commentTest(benchmark::State& state)
{
    Editor e(samples()[1].text);
    bool inside = false;
    for (auto _ : state) {
        // An edit on the caret line, as typing makes, then the test.
        state.PauseTiming();
        e.edit->setSelText(QStringLiteral("."));
        state.ResumeTiming();
        inside = EditorText::caretInCommentOrString(e.edit);
        state.PauseTiming();
        e.edit->undo();
        state.ResumeTiming();
    }
    benchmark::DoNotOptimize(inside);
}

std::string_view view(const std::string& s)
{
    return s;
}

void quickFindClasses(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(JavaSourceModel::FinnKlasseNavnene(view(samples()[0].text)));
}

void quickFindMembers(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(JavaSourceModel::NormalizeMemberEntries(
            JavaSourceModel::ClipAndFindMultilineDatamembers(view(samples()[0].text), middleClass())));
}

void quickFindJump(benchmark::State& state)
{
    int line = -1;
    for (auto _ : state)
        line = QuickFind::memberLine(view(samples()[0].text), middleClass(), QStringLiteral("void run()"));
    if (line < 0)
        state.SkipWithError("member not found");
}

void keyInLargePopup(benchmark::State& state)
{
    Editor e("class A {\n    void f() {\n        x.");
    QStringList entries;
    for (int i = 0; i < 1000; ++i)
        entries << QStringLiteral("int member%1(int a, String b)").arg(i, 4, 10, QLatin1Char('0'));
    TfmCompletionProposal* popup = e.completion->popup();
    popup->FyllMedParameter(QStringLiteral("Big"), entries);
    popup->startTyping(e.edit);
    popup->popupAt(e.edit, QPoint(100, 100), 16);
    for (auto _ : state) {
        // "m" keeps all 1,000 rows, Backspace brings them back: two keys.
        QKeyEvent m(QEvent::KeyPress, Qt::Key_M, Qt::NoModifier, QStringLiteral("m"));
        QApplication::sendEvent(popup->List, &m);
        QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QApplication::sendEvent(popup->List, &back);
    }
    if (popup->rowCount() != 1000)
        state.SkipWithError("the popup lost rows");
    state.SetItemsProcessed(state.iterations() * 2);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // The shipped list files (Math.cmp, String.cmp) in a program folder of its own.
    QTemporaryDir home;
    QDir().mkpath(home.filePath("completion"));
    for (const QString& name : QDir(QStringLiteral(VORNIC_SHIPPED_DATA "/completion")).entryList({"*.cmp"}))
        QFile::copy(QStringLiteral(VORNIC_SHIPPED_DATA "/completion/") + name, home.filePath("completion/" + name));
    qputenv("VORNIC_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);

    for (const Sample& s : samples())
        std::printf("%s: %zu bytes, %lld lines\n", s.name, s.text.size(),
                    static_cast<long long>(std::count(s.text.begin(), s.text.end(), '\n') + 1));
    std::printf("Quick find's class: %s\n", qPrintable(middleClass()));

    auto timed = [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond)->MinTime(1.0); };
    // These pause around the edit control's own insertion (10 ms and more at
    // line 100,000), so a count of iterations instead of a time.
    auto counted = [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond)->Iterations(100); };
    timed(benchmark::RegisterBenchmark("BM_BareTokenPass", bareTokenPass));
    for (const Sample& s : samples())
        counted(benchmark::RegisterBenchmark((std::string("BM_KeyToFilledList/") + s.name).c_str(),
                                             [&s](benchmark::State& st) { keyToFilledList(st, s); }));
    counted(benchmark::RegisterBenchmark("BM_CommentTestAtLine100000", commentTest));
    timed(benchmark::RegisterBenchmark("BM_QuickFindClasses", quickFindClasses));
    timed(benchmark::RegisterBenchmark("BM_QuickFindMembers", quickFindMembers));
    timed(benchmark::RegisterBenchmark("BM_QuickFindJump", quickFindJump));
    timed(benchmark::RegisterBenchmark("BM_TwoKeysIn1000RowPopup", keyInLargePopup));

    SummaryReporter report;
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();

    std::printf("\nFigures against their targets (CPU time):\n");
    const auto bare = report.cpuSecondsPerIteration("BM_BareTokenPass");
    auto line = [&](const std::string& name, double targetMs, double divide = 1) {
        const auto t = report.cpuSecondsPerIteration(name);
        if (!t)
            return;
        const double ms = *t * 1e3 / divide;
        std::printf("  %-36s %8.3f ms  target < %g ms  %s", name.c_str(), ms, targetMs,
                    ms < targetMs ? "ok" : "MISSED");
        if (bare && divide == 1)
            std::printf("  (%.2f x the bare token pass)", *t / *bare);
        std::printf("\n");
    };
    if (bare)
        std::printf("  %-36s %8.3f ms\n", "BM_BareTokenPass", *bare * 1e3);
    for (const Sample& s : samples())
        line(std::string("BM_KeyToFilledList/") + s.name, 50);
    line("BM_CommentTestAtLine100000", 1);
    line("BM_QuickFindClasses", 50);
    line("BM_QuickFindMembers", 50);
    line("BM_QuickFindJump", 50);
    line("BM_TwoKeysIn1000RowPopup", 5, 2);
    return 0;
}
