#include "editor/linestore.h"
#include "editor/tsynjavasyn.h"
#include "editor/widgets/tsyneditprint.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("    int line%1 = %1; // comment %1").arg(i);
    return lines;
}

void fillHeaderAndFooter(TSynEditPrint& print)
{
    print.Header().Add(QStringLiteral("Document: Test.java"), nullptr, HFAlignment::Right, 1);
    print.Footer().Add(QStringLiteral("Printed from Pellam Vornic"), nullptr, HFAlignment::Left, 1);
    print.Footer().Add(QStringLiteral("Page $PAGENUM$ of $PAGECOUNT$"), nullptr, HFAlignment::Right, 1);
}

// A4 at 600 dpi, 10-point text: about 60 lines to a page.
TEST(TSynEditPrint, PageCountOfATwoHundredLineDocument)
{
    TSynEditPrint print;
    print.setPage(QSizeF(210, 297), 600);
    fillHeaderAndFooter(print);
    print.setLines(numberedLines(200));
    const int perPage = print.linesPerPage();
    EXPECT_GT(perPage, 50);
    EXPECT_LT(perPage, 70);
    EXPECT_EQ(print.PageCount(), (200 + perPage - 1) / perPage);
    EXPECT_EQ(print.PageCount(), 4);

    print.setLines({});
    EXPECT_EQ(print.PageCount(), 1); // an empty document still prints its page
    print.setPage(QSizeF(148, 210), 300); // A5: fewer lines fit
    print.setLines(numberedLines(200));
    EXPECT_LT(print.linesPerPage(), perPage);
}

// Long lines wrap: nothing is cut off, and a 1 MB line with NUL bytes and
// bytes above 127 lays out and paints.
TEST(TSynEditPrint, LongLinesWrapOntoFurtherPrintedLines)
{
    TSynJavaSyn java;
    TSynEditPrint print;
    print.setPage(QSizeF(210, 297), 300);
    print.setHighlighter(&java);
    print.setLines({QString(300, u'x'), QStringLiteral("short")});
    EXPECT_GE(print.printedLineCount(), 4); // about 90 characters to a line

    QString huge(1 << 20, u'a');
    huge[10] = QChar(0);
    huge[20] = QChar(0xE9);
    huge[30] = QChar(0x85);
    print.setLines({huge, QStringLiteral("/* \t tab */")});
    EXPECT_GT(print.PageCount(), 100);
    QImage page(print.pageSizeDots().toSize() / 4, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.scale(0.25, 0.25);
    print.paintPage(painter, print.PageCount());
    print.paintPage(painter, 1);
}

QString pdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000))
        return QStringLiteral("<pdftotext did not finish>");
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// A real print job into a PDF file, read back with pdftotext.
TEST(TSynEditPrint, PrintsToAPdfFileWithHeaderFooterAndPageNumbers)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    TSynJavaSyn java;
    TSynEditPrint print;
    print.setHighlighter(&java);
    fillHeaderAndFooter(print);
    print.setLines(numberedLines(130));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(path);
    print.setPrinter(printer);
    const int pages = print.PageCount();
    ASSERT_EQ(pages, 3);

    const Result<void> printed = print.Print(printer);
    ASSERT_TRUE(printed.ok()) << printed.error().toStdString();
    EXPECT_EQ(printer.outputFileName(), path);
    const QString text = pdfText(path);
    EXPECT_TRUE(text.contains(QLatin1String("Printed from Pellam Vornic"))) << text.left(400).toStdString();
    EXPECT_TRUE(text.contains(QLatin1String("Page 1 of 3")));
    EXPECT_TRUE(text.contains(QLatin1String("Page 3 of 3")));
    EXPECT_TRUE(text.contains(QLatin1String("Document: Test.java")));
    EXPECT_TRUE(text.contains(QLatin1String("int line130 = 130; // comment 130")));
    EXPECT_EQ(text.count(QLatin1String("Printed from Pellam Vornic")), 3);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.pdf"}); // nothing left over
}

TEST(TSynEditPrint, PrintIntoAMissingFolderFailsAndWritesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no/such/folder/out.pdf"));
    TSynEditPrint print;
    print.setLines({QStringLiteral("x")});
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    const Result<void> printed = print.Print(printer);
    ASSERT_FALSE(printed.ok());
    EXPECT_TRUE(printed.error().contains(path)) << printed.error().toStdString();
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

} // namespace
