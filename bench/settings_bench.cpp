// The options dialog on a loaded program folder: saving a colour file
// against one atomic write of its bytes, OK against one rewrite of
// Vornic.ini plus applying it, a tab switch of the colour page, opening the
// dialog with 5,000 classes and 50 custom languages, and listing a class of
// 1,000 members. The frame window is the real one, run offscreen.

#include "summaryreporter.h"

#include "app/widgets/tmainform.h"
#include "editor/tsynjavasyn.h"
#include "editor/tsynxmlsyn.h"
#include "settings/atomicfile.h"
#include "settings/inifile.h"
#include "settings/optionssettings.h"
#include "settings/programfolder.h"
#include "settings/shortcuts.h"
#include "settings/widgets/colorschemepage.h"
#include "settings/widgets/completionpages.h"
#include "settings/widgets/generaloptionspages.h"
#include "settings/widgets/toptionsfrm.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

TMainForm* g_form = nullptr;

void writeFile(const QString& relative, const QByteArray& bytes)
{
    const QString path = programFile(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// 5,000 classes (one of 1,000 members), 50 languages, the shipped colours.
void fillProgramFolder()
{
    QByteArray classes;
    for (int i = 0; i < 5000; ++i)
        classes += "Class" + QByteArray::number(i) + "\n";
    writeFile("completion/toc.cmp", "Big\nSmall\n" + classes);
    QByteArray members;
    for (int i = 0; i < 1000; ++i)
        members += "int member" + QByteArray::number(i) + "(String text, int start, int end)\n";
    writeFile("completion/Big.cmp", members);
    writeFile("completion/Small.cmp", "int size()\n");
    writeFile("completion/auto.cmp", "%if\nif (|) {\n}\n#\n%for\nfor (;;) {\n  |\n}\n#\n");
    QByteArray toc = "[CustomLanguages]\nCount=50\n";
    for (int i = 1; i <= 50; ++i) {
        toc += QByteArray::number(i) + "=Lang" + QByteArray::number(i) + "\n";
        writeFile(QString("customlang/Lang%1.ini").arg(i),
                  "[FileInfo]\nFileExt=*.l" + QByteArray::number(i) + "\n[Keywords]\nKeyWordsCount=2\n0=begin\n1=end\n");
    }
    writeFile("customlang/toc.ini", toc);
    for (const char* name : {"Java", "HTML", "CSS", "PERL", "PHP", "XML"}) {
        QFile shipped(QStringLiteral(VORNIC_SOURCE_DATA "/colors/lang/%1.ini").arg(name));
        shipped.open(QIODevice::ReadOnly);
        writeFile(QStringLiteral("colors/lang/%1.ini").arg(name), shipped.readAll());
    }
    writeFile("Hello.java", "class Hello {\n  // hi\n  public static void main(String[] a) {}\n}\n");
}

TOptionsFrm* openDialog()
{
    auto* dialog = new TOptionsFrm(g_form, g_form);
    dialog->show();
    QCoreApplication::processEvents();
    return dialog;
}

void closeDialog(TOptionsFrm* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->reject();
    delete dialog;
    QCoreApplication::processEvents();
}

void BM_ColorFileSave(benchmark::State& state)
{
    TSynXMLSyn xml;
    IniFile file(programFile("colors/lang/XML.ini"));
    // One colour changes each time, so the file is written each time.
    TSynHighlighterAttributes* comment = xml.attributeByName(QStringLiteral("Comment"));
    TColor color = 0;
    for (auto _ : state) {
        comment->setForeground(color = color ? 0 : Colors::clNavy);
        xml.SaveAttributesToIni(file);
    }
}

void BM_AtomicWriteOfItsBytes(benchmark::State& state)
{
    QFile f(programFile("colors/lang/XML.ini"));
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    const QString path = programFile("colors/lang/XMLcopy.ini");
    for (auto _ : state)
        if (!writeFileAtomically(path, bytes))
            state.SkipWithError("write failed");
}

void BM_OptionsOk(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        TOptionsFrm* dialog = openDialog();
        dialog->setAttribute(Qt::WA_DeleteOnClose, false);
        // A change, so that Vornic.ini is written each time.
        dialog->applicationPage->cbPrintDate->toggle();
        state.ResumeTiming();
        if (!dialog->Button1Click())
            state.SkipWithError("OK refused");
        state.PauseTiming();
        delete dialog;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// What OK writes to Vornic.ini, in one rewrite (with a change each time),
// and then applied.
void BM_SettingsRewriteAndApply(benchmark::State& state)
{
    IniFile& ini = g_form->settingsStore();
    OptionsSettings settings[2] = {OptionsSettings::read(ini, false), OptionsSettings::read(ini, false)};
    settings[1].PrintDate = !settings[0].PrintDate;
    IniBatch batches[2];
    for (int i = 0; i < 2; ++i) {
        settings[i].write(batches[i]);
        ColorSchemes::writeAttributes(batches[i], TSynJavaSyn().attributeStyles());
        batches[i].WriteString("CompilerOptions", "DebugGenOptions", DebugGenOptions(settings[i].compiler));
        Shortcuts::writeTexts(batches[i], Shortcuts::appliedTexts(ini));
    }
    int next = 0;
    for (auto _ : state) {
        ini.Apply(batches[next]);
        g_form->applyOptions(settings[next]);
        next = 1 - next;
    }
}

void BM_TabSwitch(benchmark::State& state)
{
    TOptionsFrm* dialog = openDialog();
    dialog->setCurrentPage(TOptionsFrm::SynHighlighting);
    QTabBar* tabs = dialog->colorPage->TabSet1;
    int next = 1;
    for (auto _ : state) {
        tabs->setCurrentIndex(next);
        QCoreApplication::processEvents();
        next = 1 - next;
    }
    closeDialog(dialog);
}

void BM_OpenOptions(benchmark::State& state)
{
    for (auto _ : state) {
        TOptionsFrm* dialog = openDialog();
        state.PauseTiming();
        closeDialog(dialog);
        state.ResumeTiming();
    }
}

void BM_ListClassOf1000Members(benchmark::State& state)
{
    TOptionsFrm* dialog = openDialog();
    dialog->setCurrentPage(TOptionsFrm::CompProposal);
    QTreeWidget* classes = dialog->compProposalPage->ClassesList;
    for (auto _ : state) {
        state.PauseTiming();
        classes->setCurrentItem(classes->topLevelItem(1)); // Small
        QCoreApplication::processEvents();
        state.ResumeTiming();
        classes->setCurrentItem(classes->topLevelItem(0)); // Big
        QCoreApplication::processEvents();
    }
    if (dialog->compProposalPage->DatamembersList->topLevelItemCount() != 1000)
        state.SkipWithError("the class was not listed");
    closeDialog(dialog);
}

} // namespace

BENCHMARK(BM_ColorFileSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AtomicWriteOfItsBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OptionsOk)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_SettingsRewriteAndApply)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_TabSwitch)->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(BM_OpenOptions)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ListClassOf1000Members)->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QTemporaryDir home;
    qputenv("VORNIC_HOME", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    fillProgramFolder();
    TMainForm form;
    g_form = &form;
    form.resize(1000, 700);
    form.show();
    form.LoadFile(programFile("Hello.java"));
    QCoreApplication::processEvents();

    SummaryReporter report;
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();

    auto ms = [&](const char* name) { return report.secondsPerIteration(name).value_or(0) * 1e3; };
    std::printf("\n");
    std::printf("colour file saved / atomic write of its bytes: %.2f (target at most 2)\n",
                ms("BM_ColorFileSave") / ms("BM_AtomicWriteOfItsBytes"));
    std::printf("OK / one rewrite of Vornic.ini plus applying: %.2f (target at most 2)\n",
                ms("BM_OptionsOk") / ms("BM_SettingsRewriteAndApply"));
    std::printf("tab switch: %.1f ms (target under 50)\n", ms("BM_TabSwitch"));
    std::printf("Options.. shown, 5,000 classes, 50 languages: %.1f ms (target under 300)\n", ms("BM_OpenOptions"));
    std::printf("class of 1,000 members listed: %.1f ms (target under 30)\n", ms("BM_ListClassOf1000Members"));
    return 0;
}
