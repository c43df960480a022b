// Opening the expression builder on a 100,000-line Java document, class
// list filled, against the plain scanner call that fills it. The target is
// an open under 100 ms.

#include "samplesources.h"
#include "summaryreporter.h"

#include "app/widgets/tmainform.h"
#include "generators/widgets/texpbuilder.h"
#include "workspace/widgets/teditform.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kLines = 100000;

void scannerCall(benchmark::State& state, TMainForm& form)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(form.FinnKlasseNavnene());
}

void openBuilder(benchmark::State& state, TMainForm& form)
{
    for (auto _ : state) {
        TExpBuilder dialog(form, &form);
        dialog.show(); // fills the class list
        if (dialog.ListView1->topLevelItemCount() == 0) {
            state.SkipWithError("no classes listed");
            break;
        }
        dialog.hide();
    }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QTemporaryDir home;
    qputenv("VORNIC_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);

    const QString path = home.filePath(QStringLiteral("Sample.java"));
    {
        const std::string text = generateJavaSource(kLines);
        QFile file(path);
        if (!home.isValid() || !file.open(QIODevice::WriteOnly) ||
            file.write(text.data(), qint64(text.size())) != qint64(text.size())) {
            std::fprintf(stderr, "cannot write the sample to %s\n", qPrintable(path));
            return 1;
        }
        std::printf("java sample: %zu bytes, %d lines\n", text.size(), kLines);
    }
    TMainForm form;
    form.show();
    form.LoadFile(path);
    QApplication::processEvents();
    std::printf("classes in the sample: %lld\n", static_cast<long long>(form.FinnKlasseNavnene().size()));

    for (auto [name, run] :
         {std::pair{"BM_ScannerCall", &scannerCall}, std::pair{"BM_OpenExpressionBuilder", &openBuilder}})
        benchmark::RegisterBenchmark(name, [&form, run = run](benchmark::State& s) { run(s, form); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->MinTime(2.0);
    SummaryReporter report;
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();

    const auto scan = report.secondsPerIteration("BM_ScannerCall");
    const auto open = report.secondsPerIteration("BM_OpenExpressionBuilder");
    if (scan && open && *scan > 0) {
        std::printf("\nscanner call: %.1f ms, expression builder open: %.1f ms (target < 100 ms)\n", *scan * 1e3,
                    *open * 1e3);
        std::printf("open / scanner call: %.2f\n", *open / *scan);
    }
    for (TEditForm* e : form.editors())
        e->Modified = false;
    return 0;
}
