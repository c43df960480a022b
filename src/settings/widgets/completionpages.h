#pragma once

#include "settings/templateworkingcopy.h"

#include <QWidget>

class HighlightPreview;
class OptionsHost;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The "Comp. proposal" page: the Java completion classes of
// completion/toc.cmp and the members of the selected class, each change
// written at once.
class CompProposalPage : public QWidget {
    Q_OBJECT
public:
    explicit CompProposalPage(QWidget* parent = nullptr);

    QTreeWidget* ClassesList = nullptr;
    QTreeWidget* DatamembersList = nullptr;
    QPushButton* Button3 = nullptr; // delete class
    QPushButton* Button4 = nullptr; // delete member
    QLineEdit* Edit4 = nullptr;
    QPushButton* Button5 = nullptr; // "<": add a class
    QPushButton* Button6 = nullptr; // ">": add a member

    // The class list from toc.cmp; a message when it cannot be read.
    void fillClasses();
    void ClassesListClick();
    void Button5Click();
    void Button6Click();
    void Button3Click();
    void Button4Click();

private:
    QString selectedClass() const;
    void fillMembers();
    void inform(const QString& message);
};

// The "Auto completion" page: the templates of completion/auto.cmp, edited
// in a working copy that OK writes.
class AutoCompletionPage : public QWidget {
    Q_OBJECT
public:
    AutoCompletionPage(OptionsHost* host, QWidget* parent = nullptr);

    QTreeWidget* ListView2 = nullptr;
    HighlightPreview* SynEdit1 = nullptr; // the code box
    QPushButton* NewKeyword = nullptr;
    QPushButton* DeleteKeyword = nullptr;

    // Reads auto.cmp into the working copy and fills the list.
    void GetKeywordList();
    void NewKeywordClick();
    void DeleteKeywordClick();
    // UpdateKewordCode for the selected template; false (with the message
    // shown) when a code line holds "%" or "#".
    bool commit();
    const TemplateWorkingCopy& workingCopy() const { return m_copy; }

private:
    void ListView2Click(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    bool codeIsValid();
    void selectSilently(QTreeWidgetItem* item);

    TemplateWorkingCopy m_copy;
};
