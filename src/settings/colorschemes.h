#pragma once

#include "settings/result.h"
#include "settings/tcolor.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class IniBatch;

// Colour files: one section per highlighting element with its Background,
// Foreground and Style in signed decimal. A language's own file is
// colors/lang/<language>.ini; presets are colors/<preset>.ini, listed by
// colors/toc.col.

// One element of a highlighter as a colour file stores it.
struct AttributeStyle {
    QString name;
    TColor foreground = Colors::clNone;
    TColor background = Colors::clNone;
    int style = 0; // 1 bold, 2 italic, 4 underline, 8 strike-out
    bool operator==(const AttributeStyle&) const = default;
};
using AttributeList = QList<AttributeStyle>;

// The highlighters the colour page previews, in tab order; General is the
// configurable one all custom languages share.
enum class PreviewLanguage { Java, HTML, CSS, PERL, PHP, XML, General };

namespace ColorSchemes {

// The built-in language tabs: "Java", "HTML", "CSS", "PERL", "PHP", "XML".
const QStringList& builtInTabs();

// The highlighter that shows and edits a language's colours: the first of
// Java, HTML, CSS, PERL, PHP, XML whose name the language's name contains
// (letter case counts), else General. So MyJava is coloured as Java.
PreviewLanguage highlighterOf(const QString& language);

// The sample texts of the Java and HTML previews.
QStringList javaSample();
QStringList htmlSample();

// Saving a highlighter: the three keys of every element, in element order.
void writeAttributes(IniBatch& batch, const AttributeList& attributes);

// colors/<name>.ini, nothing for a name that is no plain file name.
std::optional<QString> presetFile(const QString& name);
QString presetListFile(); // colors/toc.col
// The preset names: the lines of toc.col that are not blank.
Result<QStringList> readPresetList();
// The list after saving a preset of that name: it is added at the end
// unless an item equals it.
QStringList presetListWith(QStringList presets, const QString& name);

// "For some reson the file <path> doen not exist. Cannot performe the
// spesified operation!"
QString missingPresetMessage(const QString& path);

} // namespace ColorSchemes
