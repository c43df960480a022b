#include "utilities/widgets/statisticswindows.h"

#include <QAccessible>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

// What assistive technology reads for a control: its name, and the caption
// of the label set as its buddy (its group labels it as well).
std::pair<QString, QString> spokenAs(QWidget* widget)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
    if (!a)
        return {};
    QString caption;
    for (const auto& [other, relation] : a->relations(QAccessible::Label))
        if (other->role() == QAccessible::StaticText)
            caption = other->text(QAccessible::Name);
    return {a->text(QAccessible::Name), caption};
}

// A screen reader finds each count by its caption and reads the count.
TEST(StatisticsWindows, CountsAreReadUnderTheirCaptions)
{
    DocumentStatistics counts;
    counts.words = 4;
    counts.letters = 6;
    counts.lines = 1;
    counts.identifiers = 1;
    counts.numbers = 1;
    TStatisticsFrm window(counts, 2);
    window.show();
    const std::pair<QLabel*, std::pair<QString, QString>> cases[] = {
        {window.WordsLabel, {"4", "Words:"}},       {window.LettersLabel, {"6", "Letters:"}},
        {window.Label19, {"1", "Lines:"}},          {window.IDsLabel, {"1", "Identifiers:"}},
        {window.KeywordsLabel, {"0", "Keywords:"}}, {window.Label2, {"2", "Number of classes:"}},
    };
    for (const auto& [label, expected] : cases)
        EXPECT_EQ(spokenAs(label), expected) << label->objectName().toStdString();
}

} // namespace
