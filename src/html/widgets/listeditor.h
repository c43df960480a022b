#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class QPushButton;
class QTreeWidget;

// The list of the list wizards (ordered, unordered and selection lists,
// link list, random images): rows of one or two columns with "Delete" and
// "Import.." beside them. The wizard adds rows from its own entry fields.
// The last column narrows once the list is long enough for a scroll bar.
class ListEditor : public QWidget {
    Q_OBJECT
public:
    struct Setup {
        QString objectName;
        QStringList headers;         // one per column; shown when there are two
        int fullWidth = 0;           // width of the last column
        int narrowWidth = 0;         // its width from narrowAt rows on
        int narrowAt = 6;
        QString addCaption;          // a button above "Delete"; empty: none
        QString deleteCaption = QStringLiteral("Delete");
        QString importTitle;         // the import dialog's title
        QString importFilter;        // its filter; empty: no Import button
        // The rows an imported file's lines make.
        std::function<std::vector<QStringList>(const QStringList& lines)> rowsFromLines;
    };

    explicit ListEditor(Setup setup, QWidget* parent = nullptr);

    void addRow(const QStringList& columns);
    std::vector<QStringList> rows() const;
    QStringList firstColumn() const;
    int rowCount() const;
    QTreeWidget* list() const { return m_list; }
    int lastColumnWidth() const;

    // The add button (when the setup asks for one); the wizard connects it.
    QPushButton* addButton() const { return m_add; }

    // Told the columns of each row "Delete" took out of the list.
    std::function<void(const QStringList& row)> onDeleted;

private:
    void deleteSelected();
    void import();
    void fitColumn();

    Setup m_setup;
    QTreeWidget* m_list;
    QPushButton* m_add = nullptr;
};
