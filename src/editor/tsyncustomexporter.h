#pragma once

#include "settings/result.h"
#include "settings/tcolor.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class TSynCustomHighlighter;

// What an exported run of text looks like. Colours are plain RGB values.
struct ExportStyle {
    TColor foreground = Colors::clBlack;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const ExportStyle&) const = default;
};

// Text of one look: a run of tokens whose attributes paint alike.
struct ExportRun {
    QString text;
    ExportStyle style;
};
using ExportLine = std::vector<ExportRun>;

// Base of the RTF and HTML exporters: walks the highlighter's tokens over
// the lines to export, joins tokens that look alike into runs, and leaves
// the writing of the runs to the format. Background colours are not
// exported; without a highlighter everything is one plain run per line.
class TSynCustomExporter {
public:
    virtual ~TSynCustomExporter() = default;

    void setHighlighter(TSynCustomHighlighter* highlighter) { m_highlighter = highlighter; }
    TSynCustomHighlighter* highlighter() const { return m_highlighter; }

    QString Title;
    // On: a whole document (HTML with its head, title and body colours);
    // off: a fragment for the clipboard.
    bool CompleteDocument = false;

    virtual QString defaultFilter() const = 0;
    virtual QString formatName() const = 0;

    void ExportAll(const QStringList& lines);
    // From (startChar, startLine) up to, not including, (endChar, endLine):
    // 1-based columns and lines, as the edit control's selection gives them.
    void ExportRange(const QStringList& lines, int startChar, int startLine, int endChar, int endLine);

    const QByteArray& data() const { return m_data; }
    // Written atomically: a failure leaves an existing file as it was.
    Result<void> SaveToFile(const QString& path) const;

protected:
    virtual QByteArray format(const std::vector<ExportLine>& lines) const = 0;

private:
    std::vector<ExportLine> collect(const QStringList& lines, int firstLine, int firstChar, int lastLine,
                                    int endChar) const;

    TSynCustomHighlighter* m_highlighter = nullptr;
    QByteArray m_data;
};
