#pragma once

#include <QHash>
#include <QTabWidget>

class QComboBox;
class QGroupBox;
class QMenu;
class QToolButton;
class QVBoxLayout;
struct ToolGroup;

// The left panel's page control (PageControl3): the file panel's page and a
// page of small tool buttons for each document kind. Buttons carry their
// component name as objectName and their hint as tooltip; the frame window
// wires them by name; this class only shows, hides and enables them.
class ToolPages : public QTabWidget {
    Q_OBJECT
public:
    enum class Page { Files, Java, Html, General };

    explicit ToolPages(QWidget* parent = nullptr);

    // The button of that objectName; nullptr when none.
    QToolButton* button(const QString& objectName) const;
    QList<QToolButton*> allButtons() const;

    QWidget* page(Page p) const;
    void setPageVisible(Page p, bool visible);
    bool isPageVisible(Page p) const;
    void selectPage(Page p);
    // Shows the kind's page and hides the other kind pages; "Files" stays.
    void showOnlyPage(Page p);

    // The General page's document buttons, and Undo/Redo or their stand-ins.
    void EnableGeneralButtons(bool v);

    QWidget *TabSheet5 = nullptr, *JavaSheet = nullptr, *HTMLSheet = nullptr, *GeneralSheet = nullptr;
    // Empty; the frame window puts the file panel into it.
    QVBoxLayout* filesLayout = nullptr;

    QGroupBox* GroupBox12 = nullptr; // "Quick find:"
    QComboBox *ClassNameCompoBox1 = nullptr, *ClassDatamemberComboBox2 = nullptr;
    QToolButton* SpeedButton101 = nullptr;

    // Debugging buttons switched by a debug session.
    QToolButton *SpeedButton41 = nullptr, *SpeedButton42 = nullptr, *SpeedButton3 = nullptr;
    // Buttons that open a popup beside themselves.
    QToolButton *SpeedButton38 = nullptr, *SpeedButton47 = nullptr, *SpeedButton60 = nullptr;
    QToolButton *htmlNewDocument = nullptr, *htmlPasteCode = nullptr;
    // "Clock" drops down "Statusline clock" and "Textfield clock".
    QMenu* clockMenu = nullptr;

signals:
    // The user picked another page; not emitted for changes made through
    // this class, nor while pages are being shown or hidden.
    void userChangedPage(int index);

private:
    QWidget* makeToolSheet(const ToolGroup* groups, int count, const char* name);
    QGroupBox* makeGroup(const ToolGroup& group);
    QGroupBox* makeQuickFind();
    QToolButton* makeButton(QWidget* parent, const char* name, const char* hint,
                            const char* icon);

    QHash<QString, QToolButton*> m_buttons;
    bool m_changingPages = false;
};
