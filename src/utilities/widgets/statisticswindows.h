#pragma once

#include "utilities/documentstatistics.h"

#include <QDialog>

class QFormLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

// A statistics window: the counts of a document when it was made, in
// groups of right-aligned labels, and "Close". Not modal; it deletes itself
// when closed. The three kinds below add their own groups.
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    QLabel* WordsLabel = nullptr;
    QLabel* LettersLabel = nullptr;
    QLabel* Label19 = nullptr; // lines
    QPushButton* Button1 = nullptr; // "Close"

protected:
    StatisticsWindow(const QString& caption, const DocumentStatistics& counts, QWidget* parent);
    QGroupBox* addGroup(const QString& title);
    // A row "caption  count" in a group; the count label is named `name`.
    QLabel* addCount(QGroupBox* group, const QString& caption, const char* name, int value);

private:
    QVBoxLayout* m_groups = nullptr;
};

// "Java document statistics".
class TStatisticsFrm : public StatisticsWindow {
    Q_OBJECT
public:
    TStatisticsFrm(const DocumentStatistics& counts, int classCount, QWidget* parent = nullptr);
    QLabel *IDsLabel, *KeywordsLabel, *CommentsLabel, *NumbersLabel, *StringsLabel;
    QLabel* Label2; // number of classes
};

// "Statistics for HTML documents".
class TStatisticsHTMLFrm : public StatisticsWindow {
    Q_OBJECT
public:
    TStatisticsHTMLFrm(const DocumentStatistics& counts, QWidget* parent = nullptr);
    QLabel *CommentsLabel, *UndefCountLabel, *AmpersandLabel, *TagCountLabel, *IDsLabel;
};

// "General Statistics".
class TGeneralStatistics : public StatisticsWindow {
    Q_OBJECT
public:
    TGeneralStatistics(const DocumentStatistics& counts, QWidget* parent = nullptr);
};
