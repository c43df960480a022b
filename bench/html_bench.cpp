// HTML authoring speed: finding the tag at the caret on line 100,000 against
// the bare token walk of those lines, Space to a visible attribute popup,
// the picture size reader on a 50 MB picture against QImageReader, and the
// table wizard's insertion of a 100 x 100 table against writing the same
// text with SkrivTekstenTilEditor.

#include "samplesources.h"
#include "summaryreporter.h"

#include "app/widgets/tmainform.h"
#include "editor/tsynhtmlsyn.h"
#include "editor/widgets/tsynedit.h"
#include "html/bytereader.h"
#include "html/htmlescaping.h"
#include "html/imgsize.h"
#include "html/tablewizard.h"
#include "html/tagatcaret.h"
#include "html/widgets/htmlhost.h"
#include "html/widgets/tcustomsynautocomplete1.h"
#include "html/widgets/tfmcustomsynhtmlautocomplete.h"
#include "workspace/newdocuments.h"
#include "workspace/widgets/teditform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string_view>
#include <vector>

namespace {

constexpr int kLines = 100000;

// The sample's lines, then "-->" (the sample may end inside a comment) and
// "<table ": the caret after it.
const std::vector<QByteArray>& htmlLines()
{
    static const std::vector<QByteArray> lines = [] {
        std::vector<QByteArray> out;
        for (const QByteArray& line : QByteArray::fromStdString(generateHtmlSource(kLines - 2)).split('\n'))
            out.push_back(line);
        out.push_back("-->");
        out.push_back("<table ");
        return out;
    }();
    return lines;
}

void BM_HtmlTokenWalk(benchmark::State& state)
{
    const auto& lines = htmlLines();
    TSynHTMLSyn lexer;
    for (auto _ : state) {
        lexer.ResetRange();
        for (int i = 0; i < int(lines.size()); ++i) {
            const QByteArray& line = lines[std::size_t(i)];
            lexer.SetLine(std::string_view(line.constData(), std::size_t(line.size())), i);
            for (; !lexer.GetEol(); lexer.Next())
                benchmark::DoNotOptimize(lexer.GetTokenKind());
        }
    }
}

void BM_FindKeyWordInNow(benchmark::State& state)
{
    const auto& lines = htmlLines();
    for (auto _ : state) {
        const QString tag = TagAtCaret::FindKeyWordInNow([&lines](int i) { return lines[std::size_t(i)]; }, 8, kLines);
        if (tag != QLatin1String("table")) {
            state.SkipWithError("the tag was not found");
            break;
        }
    }
}

// From the blank typed to the popup on the screen, in a real edit control.
void BM_SpaceToVisiblePopup(benchmark::State& state, QWidget* window, TSynEdit* edit)
{
    TCustomSynAutoComplete1 completion(window);
    completion.attach(edit);
    for (auto _ : state) {
        completion.ShowAtCaret(edit);
        QCoreApplication::processEvents();
        if (!completion.popup()->isVisible()) {
            state.SkipWithError("no popup");
            break;
        }
        state.PauseTiming();
        completion.popup()->hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_ImgSizeReader(benchmark::State& state, const QString& path)
{
    for (auto _ : state) {
        const Result<ImageSize> size = imageSizeOfFile(path);
        if (!size || size.value().width != 640) {
            state.SkipWithError("size not read");
            break;
        }
    }
}

void BM_QImageReaderSize(benchmark::State& state, const QString& path)
{
    for (auto _ : state) {
        QImageReader reader(path);
        if (reader.size().width() != 640) {
            state.SkipWithError("size not read");
            break;
        }
    }
}

// The text goes into an emptied document each time.
void BM_TableWizardInsert(benchmark::State& state, TMainForm* form)
{
    TableValues values;
    values.rows = values.columns = QStringLiteral("100");
    HtmlHost* host = form->htmlHost();
    for (auto _ : state) {
        state.PauseTiming();
        form->GetActiveEditor()->SynEdit1->setText(QString());
        state.ResumeTiming();
        host->writeInsertion({tableMarkup(values, host->indentation(), host->escaper()).value(), std::nullopt});
    }
}

void BM_SkrivTekstenTilEditor(benchmark::State& state, TMainForm* form)
{
    TableValues values;
    values.rows = values.columns = QStringLiteral("100");
    const QString text = tableMarkup(values, QString(), HtmlEscaper()).value();
    for (auto _ : state) {
        state.PauseTiming();
        form->GetActiveEditor()->SynEdit1->setText(QString());
        state.ResumeTiming();
        form->SkrivTekstenTilEditor(text);
    }
}

// A 640 x 480 JPEG grown to 50 MB: a 60 KiB segment before the frame header
// and the rest after it, as a camera's picture has.
QString writeBigPicture(const QString& folder)
{
    QFile small(QStringLiteral(VORNIC_SOURCE_DIR "/tests/data/html/baseline.jpg"));
    if (!small.open(QIODevice::ReadOnly))
        return {};
    const QByteArray jpeg = small.readAll();
    QByteArray big = jpeg.left(2);
    big += QByteArray("\xFF\xE1\xF0\x00", 4) + QByteArray(0xF000 - 2, 'x');
    big += jpeg.mid(2);
    big += QByteArray(50 * 1024 * 1024 - big.size(), '\0');
    const QString path = QDir(folder).filePath(QStringLiteral("big.jpg"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(big) != big.size())
        return {};
    return path;
}

qint64 bytesReadFor(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return -1;
    ByteReader reader(file);
    readJpegSize(reader);
    return reader.bytesFetched();
}

void ratio(const SummaryReporter& report, const char* name, const char* base, const char* label)
{
    const auto a = report.cpuSecondsPerIteration(name);
    const auto b = report.cpuSecondsPerIteration(base);
    if (a && b && *b > 0)
        std::printf("%s: %.2f (%s %.2f ms, %s %.2f ms, cpu time)\n", label, *a / *b, name, *a * 1e3, base, *b * 1e3);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("VORNIC_HOME", home.path().toLocal8Bit());
    QDir(home.path()).mkpath(QStringLiteral("completion"));
    QFile::copy(QStringLiteral(VORNIC_SOURCE_DIR "/data/completion/htmlattributes.txt"),
                home.filePath(QStringLiteral("completion/htmlattributes.txt")));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);

    const QString picture = writeBigPicture(home.path());
    if (picture.isEmpty()) {
        std::fprintf(stderr, "cannot write the 50 MB picture\n");
        return 1;
    }

    TMainForm form;
    form.resize(1000, 700);
    form.show();
    TEditForm* document = form.NewDocument(NewDocuments::Kind::Html);
    TSynEdit* edit = document->SynEdit1;
    QByteArray text;
    for (const QByteArray& line : htmlLines())
        text += line + '\n';
    text.chop(1);
    edit->setText(QString::fromLatin1(text));
    edit->setCaretXY(8, kLines);

    benchmark::RegisterBenchmark("BM_HtmlTokenWalk", BM_HtmlTokenWalk)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_FindKeyWordInNow", BM_FindKeyWordInNow)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_SpaceToVisiblePopup", [&](benchmark::State& s) {
        BM_SpaceToVisiblePopup(s, document, edit);
    })->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("BM_ImgSizeReader", [&](benchmark::State& s) { BM_ImgSizeReader(s, picture); })
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_QImageReaderSize", [&](benchmark::State& s) { BM_QImageReaderSize(s, picture); })
        ->Unit(benchmark::kMicrosecond);
    TEditForm* tableDocument = form.NewDocument(NewDocuments::Kind::Html);
    (void)tableDocument;
    benchmark::RegisterBenchmark("BM_TableWizardInsert", [&](benchmark::State& s) { BM_TableWizardInsert(s, &form); })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_SkrivTekstenTilEditor", [&](benchmark::State& s) {
        BM_SkrivTekstenTilEditor(s, &form);
    })->Unit(benchmark::kMillisecond);

    SummaryReporter report;
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();

    std::printf("\n");
    ratio(report, "BM_FindKeyWordInNow", "BM_HtmlTokenWalk", "FindKeyWordInNow / bare token walk (target 1.5 at most)");
    if (const auto t = report.secondsPerIteration("BM_SpaceToVisiblePopup"))
        std::printf("Space to visible popup, caret on line %d: %.1f ms (target under 50 ms)\n", kLines, *t * 1e3);
    std::printf("bytes the JPEG reader read of the 50 MB picture: %lld (target under 65536)\n",
                static_cast<long long>(bytesReadFor(picture)));
    ratio(report, "BM_ImgSizeReader", "BM_QImageReaderSize", "size reader / QImageReader::size() (target 1 at most)");
    ratio(report, "BM_TableWizardInsert", "BM_SkrivTekstenTilEditor",
          "100 x 100 table wizard / SkrivTekstenTilEditor (target 1.2 at most)");
    // Leave the documents unmodified so closing asks nothing.
    for (TEditForm* e : form.editors())
        e->Modified = false;
    return 0;
}
