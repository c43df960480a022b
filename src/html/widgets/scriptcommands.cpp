#include "html/widgets/scriptcommands.h"

#include "html/scriptwizards.h"
#include "html/widgets/htmlhost.h"

#include <QMessageBox>

namespace ScriptCommands {

namespace {

void tellNotAdded(QWidget* parent, const QString& what, const char* tag)
{
    QMessageBox::information(parent, QStringLiteral("Information"),
                             QStringLiteral("The document has no %1 tag, so %2 was not added.")
                                 .arg(QLatin1String(tag), what));
}

// The clocks: an onLoad on the body and a function in the head, once.
void addClock(HtmlHost* host, const QString& documentText, const char* marker, const QString& onLoad,
              const QString& script)
{
    if (documentText.contains(QLatin1String(marker)))
        return;
    QWidget* parent = host->hostWindow();
    if (!host->LeggInnTekstITag(QStringLiteral("<body"), onLoad, 0))
        tellNotAdded(parent, QStringLiteral("the onLoad attribute that starts the clock"), "<body");
    if (!host->SoekOgLeggInn(QStringLiteral("<head>"), script))
        tellNotAdded(parent, QStringLiteral("the clock's script"), "<head>");
}

} // namespace

void addHeadScriptOnce(HtmlHost* host, QWidget* parent, const char* marker, const QString& script)
{
    if (host->activeEditorText().contains(QLatin1String(marker)))
        return;
    if (!host->SoekOgLeggInn(QStringLiteral("<head>"), script))
        tellNotAdded(parent, QStringLiteral("the script this needs"), "<head>");
}

void statuslineClock(HtmlHost* host)
{
    if (!host->hasEditor())
        return;
    addClock(host, host->activeEditorText(), ScriptWizards::StatuslineClockMarker,
             ScriptWizards::statuslineClockOnLoad(), ScriptWizards::statuslineClockScript());
}

void textfieldClock(HtmlHost* host)
{
    if (!host->hasEditor())
        return;
    // The text before the form goes in: the form holds no marker.
    const QString before = host->activeEditorText();
    host->writeInsertion({ScriptWizards::textfieldClockForm(), std::nullopt});
    addClock(host, before, ScriptWizards::TextfieldClockMarker, ScriptWizards::textfieldClockOnLoad(),
             ScriptWizards::textfieldClockScript());
}

void todaysDate(HtmlHost* host)
{
    if (host->hasEditor())
        host->writeInsertion({ScriptWizards::todaysDateScript(), std::nullopt});
}

void documentLastModified(HtmlHost* host)
{
    if (host->hasEditor())
        host->writeInsertion({ScriptWizards::lastModifiedScript(), std::nullopt});
}

} // namespace ScriptCommands
