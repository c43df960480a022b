#pragma once

#include "html/textwizards.h"
#include "html/widgets/wizarddialog.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;

// The browser window dialog ("Nettleser vindu"): the onClick that opens a
// page in a window of its own.
class TBrowserFrm : public QDialog {
    Q_OBJECT
public:
    TBrowserFrm(HtmlHost* host, QWidget* parent);
    BrowserWindowValues values() const;
    QLineEdit *document, *title, *height, *width;

private:
    HtmlHost* m_host;
    QCheckBox *m_toolbar, *m_location, *m_menubar, *m_scrollbars, *m_resizable, *m_status;
};

// The status line dialog ("Statusline massage").
class TStatusLinjeFrm : public QDialog {
    Q_OBJECT
public:
    explicit TStatusLinjeFrm(QWidget* parent);
    QLineEdit* message;
};

// The link wizard ("Link/Anker point").
class TLinkForm : public WizardDialog {
    Q_OBJECT
public:
    explicit TLinkForm(HtmlHost* host);

    QLineEdit *Lenke, *Navn;
    QPlainTextEdit* Memo1;
    QCheckBox *onklikk, *mouseover;
    QComboBox *KlikkCompo, *MouseOverCompo;

protected:
    std::optional<Insertion> makeInsertion() override;

private:
    void KlikkCompoChange(const QString& choice);
    void MouseOverCompoChange();

    QString m_browserWindowEvent;
    QString m_statusLineEvents;
};
