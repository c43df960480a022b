#pragma once

#include <QFrame>
#include <QPointer>
#include <QStringList>

class QKeyEvent;
class QPainter;
class QTreeWidget;

// A list that pops up at the caret of an edit control and takes the keys
// while it shows (a Qt::Popup: the frame window keeps its active look, and a
// click elsewhere or another window's activation closes it). The base of the
// Java member popup and the HTML attribute popup: it places itself, keeps
// the rows and the selection, and hands the keys, the filter and the drawing
// of a row to its subclass through the hooks below.
//
// Keys: Up, Down, Page Up, Page Down, Home and End move in the list; Enter
// (or a double click) chooses the selected row; Escape closes. On closing
// the focus goes back to the edit control.
class CompletionPopup : public QFrame {
    Q_OBJECT
public:
    explicit CompletionPopup(QWidget* parent = nullptr);
    ~CompletionPopup() override;

    // The list view (a one-column tree widget); its header shows the title.
    QTreeWidget* List = nullptr;

    // Empty hides the header.
    void setTitle(const QString& title);
    QString title() const;

    // The rows before any filter, shown in this order; the filter is cleared
    // and the first row selected.
    void setRows(const QStringList& rows);
    QStringList allRows() const { return m_allRows; }
    // The rows shown now.
    QStringList shownRows() const;
    int rowCount() const;
    // The selected row's text; empty when none is selected.
    QString selectedRow() const;
    void selectRow(int index);

    // Shows the rows that rowsForFilter() gives for the text, the first one
    // selected.
    void setFilter(const QString& filter);
    QString filter() const { return m_filter; }

    // Shows the popup for editor: below the caret whose top is caretTop in
    // screen coordinates, kept on that screen (see placement()).
    void popupAt(QWidget* editor, const QPoint& caretTop, int lineHeight);
    QWidget* editor() const { return m_editor; }

    // Where a popup of that size goes on a screen whose available area is
    // screen: its left at the caret, its top a line below the caret's top;
    // moved left to end 5 pixels inside the right edge when it would reach
    // it, and above the caret when it would pass the bottom.
    static QPoint placement(const QSize& size, const QPoint& caretTop, int lineHeight, const QRect& screen);

signals:
    void closed();

protected:
    // Every key pressed while the popup shows comes here first; return true
    // when it was used. The base chooses on Enter (with a row selected) and
    // closes on Escape; other keys go to the list, which moves with the
    // arrow and page keys.
    virtual bool keyPressed(QKeyEvent* event);
    // The selected row was chosen (Enter or a double click); the popup hides
    // afterwards.
    virtual void rowChosen(const QString& row) = 0;
    // The filter hook: the rows to show for a filter text. The base keeps the
    // rows that begin with it.
    virtual QStringList rowsForFilter(const QString& filter) const;
    // Draws one row inside rect. The base fills a selected row with the light
    // 3-D colour (others with the list's background) and draws the text in
    // the list's font, 2 pixels from the left.
    virtual void paintRow(QPainter* painter, const QRect& rect, const QString& text, bool selected) const;

    // Chooses the selected row, if one is, and hides.
    void chooseSelected();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    friend class CompletionRowDelegate;
    void showRows(const QStringList& rows);

    QStringList m_allRows;
    QString m_filter;
    QPointer<QWidget> m_editor;
};
