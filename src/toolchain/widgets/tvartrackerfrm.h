#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QPushButton;
class QTreeWidget;

// "Variable value tracker": the main class, its fields, and the watch list
// of an editor window, which the user adds fields to and deletes entries
// from. The caller stores trackedVariables() when the dialog is accepted.
class TVarTrackerFrm : public QDialog {
    Q_OBJECT
public:
    // The members of a class, private ones included (the Java source scanner).
    using MemberSource = std::function<QStringList(const QString& className)>;

    TVarTrackerFrm(MemberSource members, QWidget* parent = nullptr);

    QString MainClassName;

    QTreeWidget* ListView1 = nullptr; // "Mainclass:"
    QTreeWidget* ListView2 = nullptr; // "Datamembers:"
    QTreeWidget* ListView3 = nullptr; // "Variables being tracked:"
    QPushButton* Button2 = nullptr;   // "Add.."
    QPushButton* Button3 = nullptr;   // "Delete.."
    QPushButton* Button1 = nullptr;   // "OK"
    QPushButton* Button4 = nullptr;   // "Cancel"
    QPushButton* Button5 = nullptr;   // "Help"

    // Fills the lists from the editor's watch list and MainClassName.
    void FormShow(const QStringList& trackedVariables);
    void ListView1Click();
    void Button2Click();
    void Button3Click();
    void Button1Click();
    void Button4Click();
    void Button5Click();

    // What OK stores in the editor's TrackedVariables.
    QStringList trackedVariables() const { return m_result; }

private:
    QTreeWidget* makeList(const char* name);
    void fitColumn(QTreeWidget* list);

    MemberSource m_members;
    QStringList m_result;
};
