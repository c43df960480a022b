// TEditForm: exporting the document to RTF and HTML.
#include "editor/tsynexporterhtml.h"
#include "editor/tsynexporterrtf.h"
#include "editor/widgets/tsynedit.h"
#include "workspace/printsetup.h"
#include "workspace/widgets/editorhost.h"
#include "workspace/widgets/teditform.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

// "Rich Text Format (*.rtf)|*.rtf" as a file dialog's filter.
QString dialogFilter(const QString& filter)
{
    return filter.section(QLatin1Char('|'), 0, 0);
}

} // namespace

QStringList TEditForm::documentLines() const
{
    QStringList lines;
    const int count = SynEdit1->lineCount();
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines << SynEdit1->line(i);
    return lines;
}

void TEditForm::ExporterTilRTF()
{
    if (!SynExporterRTF1)
        SynExporterRTF1 = std::make_unique<TSynExporterRTF>();
    exportWith(*SynExporterRTF1, QStringLiteral(".rtf"));
}

void TEditForm::ExporterTilHTML()
{
    if (!SynExporterHTML1)
        SynExporterHTML1 = std::make_unique<TSynExporterHTML>();
    exportWith(*SynExporterHTML1, QStringLiteral(".html"));
}

void TEditForm::exportWith(TSynCustomExporter& exporter, const QString& extension)
{
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(dialogFilter(exporter.defaultFilter()));
    dialog.setDefaultSuffix(extension.mid(1));
    QString folder = m_host->exportDirectory();
    if (folder.isEmpty() && !FileName.isEmpty())
        folder = QFileInfo(FileName).absolutePath();
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    dialog.selectFile(exportFileName(caption(), extension));
    exporter.setHighlighter(SynEdit1->highlighter());

    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString path = dialog.selectedFiles().first();
        exporter.CompleteDocument = true;
        if (!path.isEmpty())
            exporter.Title = exportTitle(caption(), exporter.formatName());
        const QStringList lines = documentLines();
        if (SynEdit1->selAvail()) {
            const BufferCoord begin = SynEdit1->blockBegin(), end = SynEdit1->blockEnd();
            exporter.ExportRange(lines, begin.Char, begin.Line, end.Char, end.Line);
        } else {
            exporter.ExportAll(lines);
        }
        if (const Result<void> saved = exporter.SaveToFile(path); !saved)
            QMessageBox::critical(this, QApplication::applicationName(), saved.error());
    }
    SynEdit1->setEditorFocus();
}
