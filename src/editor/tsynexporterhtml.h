#pragma once

#include "editor/tsyncustomexporter.h"

// Writes highlighted text as HTML (UTF-8): one span per run in Courier New
// at HTML font size 3, inside <pre>. A complete document has a head with the
// charset and the title, and a body with black text on white.
class TSynExporterHTML : public TSynCustomExporter {
public:
    QString defaultFilter() const override
    {
        return QStringLiteral("HTML Documents (*.htm;*.html)|*.htm;*.html");
    }
    QString formatName() const override { return QStringLiteral("HTML"); }

    // Text made safe for an HTML page: markup characters and quotes as
    // entities, control characters as references a browser shows.
    static QString escape(QStringView text);

protected:
    QByteArray format(const std::vector<ExportLine>& lines) const override;
};
