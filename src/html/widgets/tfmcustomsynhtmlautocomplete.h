#pragma once

#include "assist/widgets/completionpopup.h"

#include <functional>

// The HTML attribute popup: the attributes of the tag at the caret, sorted,
// the first one selected, in the application font, about four rows high and
// as wide as its longest entry. It has no filter: keys other than Enter and
// Escape move the selection in the list.
class TfmCustomSynHTMLAutoComplete : public CompletionPopup {
    Q_OBJECT
public:
    explicit TfmCustomSynHTMLAutoComplete(QWidget* parent = nullptr);

    // Fills the list and fits the popup to it.
    void setAttributes(const QStringList& entries);
    // Told the chosen row.
    std::function<void(const QString& row)> onChosen;

protected:
    void rowChosen(const QString& row) override;
    QStringList rowsForFilter(const QString&) const override { return allRows(); }
    // The row under the mouse is underlined, as a link would be.
    void paintRow(QPainter* painter, const QRect& rect, const QString& text, bool selected) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect m_hovered; // the row under the mouse, in the list's coordinates
};
