#pragma once

#include "editor/tsyncustomexporter.h"

// Writes highlighted text as RTF: Courier New 10 points, a colour table of
// the colours used, one group per run and one paragraph per line. The file
// is 7-bit: characters above 127 are written as \'hh (up to 255) or \uN.
class TSynExporterRTF : public TSynCustomExporter {
public:
    QString defaultFilter() const override { return QStringLiteral("Rich Text Format (*.rtf)|*.rtf"); }
    QString formatName() const override { return QStringLiteral("RTF"); }

    // Text as RTF characters: "\", "{" and "}" escaped, tabs as \tab.
    static QByteArray escape(QStringView text);

protected:
    QByteArray format(const std::vector<ExportLine>& lines) const override;
};
