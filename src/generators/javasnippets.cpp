#include "generators/javasnippets.h"

#include <iterator>

namespace JavaSnippets {

namespace {

// One row per snippet. "%1" in the text stands for Ind. The caret goes
// linesUp lines up from where the insertion ended; then either to column
// len(Ind) + indColumn (when set) or columnDelta columns along the line.
struct Row {
    Snippet snippet;
    const char* text;
    int linesUp;
    std::optional<int> indColumn;
    int columnDelta;
};

constexpr Row kRows[] = {
    {Snippet::Println, "System.out.println(\"\");", 0, {}, -3},
    {Snippet::PublicFunction, "public void () {\r\r%1}", 2, 13, 0},
    {Snippet::MainFunction, "public static void main(String args[]) {\r\r%1}", 1, 5, 0},
    {Snippet::Switch, "switch() {\r%1   case :\r%1}", 2, 8, 0},
    {Snippet::Class, "class  {\r\r%1}", 2, 7, 0},
    {Snippet::Panel, "class  extends JPanel {\r\r%1}", 2, 7, 0},
    {Snippet::Button, "private JButton ;", 0, {}, -1},
    {Snippet::Checkbox, "private JCheckBox ;", 0, {}, -1},
    {Snippet::RadioButton, "private JRadioButton ;", 0, {}, -1},
    {Snippet::Textfield, "private JTextField ;", 0, {}, -1},
    {Snippet::Label, "private JLabel ;", 0, {}, -1},
    {Snippet::Listbox, "private JList ;", 0, {}, -1},
    // java.awt.Font: Swing has no JFont class, so that text never compiled.
    {Snippet::Font, "private Font ;", 0, {}, -1},
};

constexpr bool rowsInEnumOrder()
{
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        if (std::size_t(kRows[i].snippet) != i)
            return false;
    return std::size(kRows) == std::size_t(Snippet::Font) + 1;
}
static_assert(rowsInEnumOrder());

const Row& row(Snippet snippet)
{
    return kRows[std::size_t(snippet)];
}

} // namespace

QString text(Snippet snippet, const QString& ind)
{
    QString result = QString::fromLatin1(row(snippet).text);
    result.replace(QLatin1String("%1"), ind);
    return result;
}

Caret caretAfter(Snippet snippet, const QString& ind, Caret afterInsertion)
{
    const Row& r = row(snippet);
    Caret caret{afterInsertion.column + r.columnDelta, afterInsertion.line - r.linesUp};
    if (r.indColumn)
        caret.column = int(ind.size()) + *r.indColumn;
    return caret;
}

} // namespace JavaSnippets
