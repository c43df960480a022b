#pragma once

#include <QDialog>
#include <QStringList>

class QTreeWidget;

// "Save document changes": lists the modified documents with a check box
// each and answers Yes, No or Cancel.
class TSaveDocChangeFrm : public QDialog {
    Q_OBJECT
public:
    enum class Answer { Yes, No, Cancel };

    explicit TSaveDocChangeFrm(const QStringList& captions, QWidget* parent = nullptr);

    Answer ask();
    QStringList checkedCaptions() const;
    void setChecked(int row, bool checked);
    void selectAll(bool checked);

private:
    QTreeWidget* m_list;
    Answer m_answer = Answer::Cancel;
};
