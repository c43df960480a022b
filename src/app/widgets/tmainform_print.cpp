// TMainForm: printing, the print preview and export to RTF and HTML.
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "editor/widgets/tsynedit.h"
#include "editor/widgets/tsyneditprint.h"
#include "editor/widgets/tsyneditprintpreview.h"
#include "settings/inifile.h"
#include "workspace/printsetup.h"
#include "workspace/widgets/teditform.h"
#include "workspace/widgets/tprintpreviewfrm.h"

#include <QAction>
#include <QDateTime>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

void TMainForm::wirePrinting()
{
    SynEditPrint1 = std::make_unique<TSynEditPrint>();
    auto on = [this](const char* name, void (TMainForm::*handler)()) {
        if (QAction* a = menus->action(QLatin1String(name)))
            connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    on("Print1", &TMainForm::Print1Click);
    on("PrinterSetup1", &TMainForm::PrinterSetup1Click);
    on("ForhndVisning1", &TMainForm::ForhndVisning1Click);
    on("RTFfiltekst1", &TMainForm::RTFfiltekst1Click);
    on("HTML3", &TMainForm::HTML3Click);
}

QPrinter& TMainForm::printer()
{
    // Made on first use: asking the print system for its printers is not on
    // the way to the first window.
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void TMainForm::SkrivUt()
{
    TEditForm* w = GetActiveEditor();
    if (!w)
        return;
    const PrintSettings settings = PrintSettings::read(*SettingsIni);
    TSynEditPrint& engine = *SynEditPrint1;
    engine.DocTitle = w->caption();
    engine.setHighlight(settings.ShowColorHighltPrint);
    engine.setLineNumbers(settings.ShowPrintLnNr);
    engine.Header().Clear();
    for (const HeaderFooterItem& item : printHeaderItems(settings, w->caption(), QDateTime::currentDateTime()))
        engine.Header().Add(item.text, nullptr, item.alignment, item.lineNumber);
    engine.Footer().Clear();
    for (const HeaderFooterItem& item : printFooterItems(settings))
        engine.Footer().Add(item.text, nullptr, item.alignment, item.lineNumber);
    engine.SetSynEditProperties(*w->SynEdit1);
    engine.setLines(w->documentLines());
    engine.setHighlighter(w->SynEdit1->highlighter());
    engine.setPrinter(printer());

    if (!PrintPreviewFrm) {
        PrintPreviewFrm = new TPrintPreviewFrm(this);
        PrintPreviewFrm->OnPrint = [this] { printWithDialog(GetActiveEditor()); };
    }
    PrintPreviewFrm->SynEditPrintPreview1->setSynEditPrint(&engine);
    PrintPreviewFrm->setWindowTitle(QStringLiteral("Print preview of document - ") + w->caption());
    PrintPreviewFrm->PageCount = engine.PageCount();
}

bool TMainForm::printWithDialog(TEditForm* w)
{
    if (!w)
        return false;
    QPrintDialog dialog(&printer(), this);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    dialog.setMinMax(1, SynEditPrint1->PageCount());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    SynEditPrint1->SetSynEditProperties(*w->SynEdit1);
    SynEditPrint1->Title = w->caption();
    const Result<void> printed = SynEditPrint1->Print(printer());
    if (!printed) {
        reportError(printed.error());
        return false;
    }
    return true;
}

void TMainForm::Print1Click()
{
    TEditForm* w = GetActiveEditor();
    if (!w)
        return;
    SkrivUt();
    printWithDialog(w);
    // The engine keeps no pointer into a window that may close.
    SynEditPrint1->setHighlighter(nullptr);
}

void TMainForm::PrinterSetup1Click()
{
    QPageSetupDialog dialog(&printer(), this);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    dialog.exec();
}

void TMainForm::ForhndVisning1Click()
{
    if (!GetActiveEditor())
        return;
    SkrivUt();
    PrintPreviewFrm->showPreview();
    SynEditPrint1->setHighlighter(nullptr);
}

void TMainForm::RTFfiltekst1Click()
{
    if (TEditForm* w = GetActiveEditor())
        w->ExporterTilRTF();
}

void TMainForm::HTML3Click()
{
    if (TEditForm* w = GetActiveEditor())
        w->ExporterTilHTML();
}
