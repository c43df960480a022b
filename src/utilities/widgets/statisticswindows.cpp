#include "utilities/widgets/statisticswindows.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

StatisticsWindow::StatisticsWindow(const QString& caption, const DocumentStatistics& counts, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    m_groups = new QVBoxLayout;
    layout->addLayout(m_groups);
    Button1 = new QPushButton(QStringLiteral("Close"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QWidget::close); // Button1Click
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QGroupBox* editor = addGroup(QStringLiteral("Editor:"));
    // Wide enough for the caption in the title bar.
    editor->setMinimumWidth(fontMetrics().horizontalAdvance(caption) + 120);
    WordsLabel = addCount(editor, QStringLiteral("Words:"), "WordsLabel", counts.words);
    LettersLabel = addCount(editor, QStringLiteral("Letters:"), "LettersLabel", counts.letters);
    Label19 = addCount(editor, QStringLiteral("Lines:"), "Label19", counts.lines);
}

QGroupBox* StatisticsWindow::addGroup(const QString& title)
{
    auto* group = new QGroupBox(title, this);
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_groups->addWidget(group);
    return group;
}

QLabel* StatisticsWindow::addCount(QGroupBox* group, const QString& caption, const char* name, int value)
{
    auto* count = new QLabel(QString::number(value), group);
    count->setObjectName(QLatin1String(name));
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    count->setMinimumWidth(80);
    count->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    count->setAccessibleName(QString(caption).remove(QLatin1Char(':')));
    auto* label = new QLabel(caption, group);
    label->setBuddy(count);
    static_cast<QFormLayout*>(group->layout())->addRow(label, count);
    return count;
}

TStatisticsFrm::TStatisticsFrm(const DocumentStatistics& counts, int classCount, QWidget* parent)
    : StatisticsWindow(QStringLiteral("Java document statistics"), counts, parent)
{
    setObjectName(QStringLiteral("StatisticsFrm"));
    QGroupBox* elements = addGroup(QStringLiteral("Language elements:"));
    IDsLabel = addCount(elements, QStringLiteral("Identifiers:"), "IDsLabel", counts.identifiers);
    KeywordsLabel = addCount(elements, QStringLiteral("Keywords:"), "KeywordsLabel", counts.keywords);
    CommentsLabel = addCount(elements, QStringLiteral("Comments:"), "CommentsLabel", counts.comments);
    NumbersLabel = addCount(elements, QStringLiteral("Numbers:"), "NumbersLabel", counts.numbers);
    StringsLabel = addCount(elements, QStringLiteral("Strings:"), "StringsLabel", counts.strings);
    QGroupBox* classes = addGroup(QStringLiteral("Classes:"));
    Label2 = addCount(classes, QStringLiteral("Number of classes:"), "Label2", classCount);
}

TStatisticsHTMLFrm::TStatisticsHTMLFrm(const DocumentStatistics& counts, QWidget* parent)
    : StatisticsWindow(QStringLiteral("Statistics for HTML documents"), counts, parent)
{
    setObjectName(QStringLiteral("StatisticsHTMLFrm"));
    QGroupBox* elements = addGroup(QStringLiteral("Language elements:"));
    CommentsLabel = addCount(elements, QStringLiteral("Comments:"), "CommentsLabel", counts.comments);
    UndefCountLabel = addCount(elements, QStringLiteral("Undefined tags:"), "UndefCountLabel", counts.undefinedTags);
    AmpersandLabel = addCount(elements, QStringLiteral("Ampersands:"), "AmpersandLabel", counts.ampersands);
    QGroupBox* tags = addGroup(QStringLiteral("Tags:"));
    TagCountLabel = addCount(tags, QStringLiteral("Number of html tags:"), "TagCountLabel", counts.tags);
    IDsLabel = addCount(tags, QStringLiteral("Number of tag parameters:"), "IDsLabel", counts.tagParameters);
}

TGeneralStatistics::TGeneralStatistics(const DocumentStatistics& counts, QWidget* parent)
    : StatisticsWindow(QStringLiteral("General Statistics"), counts, parent)
{
    setObjectName(QStringLiteral("GeneralStatistics"));
}
