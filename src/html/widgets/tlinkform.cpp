#include "html/widgets/tlinkform.h"

#include "html/widgets/filepicking.h"
#include "html/widgets/htmlhost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Rows of a grid, filled from the top.
struct Rows {
    QGridLayout* grid;
    int next = 0;
};

// A labelled line edit; with buttonCaption a button after it (made after
// the edit, so Tab reaches it right after the edit).
QLineEdit* labelledEdit(QDialog* dialog, Rows& rows, const char* label, const char* name,
                        const char* buttonCaption = nullptr, QPushButton** button = nullptr)
{
    QGridLayout* grid = rows.grid;
    auto* edit = new QLineEdit(dialog);
    edit->setObjectName(QLatin1String(name));
    edit->setMinimumWidth(220);
    auto* text = new QLabel(QLatin1String(label), dialog);
    text->setBuddy(edit);
    const int row = rows.next++;
    grid->addWidget(text, row, 0);
    grid->addWidget(edit, row, 1, 1, buttonCaption ? 1 : 2);
    if (buttonCaption) {
        *button = new QPushButton(QLatin1String(buttonCaption), dialog);
        (*button)->setAutoDefault(false);
        grid->addWidget(*button, row, 2);
    }
    return edit;
}

void addOkCancel(QDialog* dialog, QVBoxLayout* layout)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
}

} // namespace

TBrowserFrm::TBrowserFrm(HtmlHost* host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("TBrowserFrm"));
    setWindowTitle(QStringLiteral("Nettleser vindu"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Rows grid{new QGridLayout};
    layout->addLayout(grid.grid);
    QPushButton* find = nullptr;
    document = labelledEdit(this, grid, "Document:", "document", "Find..", &find);
    find->setObjectName(QStringLiteral("findDocument"));
    connect(find, &QPushButton::clicked, this, [this] {
        if (const auto picked = FilePicking::pickPage(
                this, m_host, QStringLiteral("HTML dukument (*.html *.htm);;Andre filer (*)")))
            document->setText(*picked);
    });
    title = labelledEdit(this, grid, "Window title:", "title");
    height = labelledEdit(this, grid, "Height:", "height");
    width = labelledEdit(this, grid, "Width:", "width");
    auto check = [this, &grid](const char* caption, const char* name) {
        auto* box = new QCheckBox(QLatin1String(caption), this);
        box->setObjectName(QLatin1String(name));
        grid.grid->addWidget(box, grid.next++, 0, 1, 3);
        return box;
    };
    m_toolbar = check("Navigation toolbar", "toolbar");
    m_location = check("Location toolbar", "location");
    m_menubar = check("Meny line", "menubar");
    m_scrollbars = check("Scrollbars as nessesary", "scrollbars");
    m_resizable = check("Resize handle", "resizable");
    m_status = check("Status line", "status");
    addOkCancel(this, layout);
    document->setFocus();
}

BrowserWindowValues TBrowserFrm::values() const
{
    BrowserWindowValues v;
    v.document = document->text();
    v.title = title->text();
    v.height = height->text();
    v.width = width->text();
    v.toolbar = m_toolbar->isChecked();
    v.location = m_location->isChecked();
    v.menubar = m_menubar->isChecked();
    v.scrollbars = m_scrollbars->isChecked();
    v.resizable = m_resizable->isChecked();
    v.status = m_status->isChecked();
    return v;
}

TStatusLinjeFrm::TStatusLinjeFrm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TStatusLinjeFrm"));
    setWindowTitle(QStringLiteral("Statusline massage"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Rows grid{new QGridLayout};
    layout->addLayout(grid.grid);
    message = labelledEdit(this, grid, "Message:", "message");
    addOkCancel(this, layout);
    message->setFocus();
}

TLinkForm::TLinkForm(HtmlHost* host)
    : WizardDialog(host, QStringLiteral("TLinkForm"), QStringLiteral("Link/Anker point"), QStringLiteral("HID_LINKDLG"))
{
    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setMinimumWidth(240);
        return e;
    };
    Lenke = edit("Lenke");
    addRow(QStringLiteral("Link:"), Lenke);
    Navn = edit("Navn");
    addRow(QStringLiteral("Name:"), Navn);
    Memo1 = new QPlainTextEdit(host->selectedText(), this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setTabChangesFocus(true);
    Memo1->setFixedHeight(4 * fontMetrics().lineSpacing() + 12);
    addRow(QStringLiteral("Link text:"), Memo1);

    onklikk = new QCheckBox(QStringLiteral("onClick event"), this);
    onklikk->setObjectName(QStringLiteral("onklikk"));
    KlikkCompo = new QComboBox(this);
    KlikkCompo->setObjectName(QStringLiteral("KlikkCompo"));
    KlikkCompo->setAccessibleName(QStringLiteral("onClick event"));
    KlikkCompo->addItems({QStringLiteral("Print document"), QStringLiteral("Close browser window"),
                          QStringLiteral("Open Browser window")});
    KlikkCompo->setCurrentIndex(-1);
    KlikkCompo->setEnabled(false);
    mouseover = new QCheckBox(QStringLiteral("onMouseOver"), this);
    mouseover->setObjectName(QStringLiteral("mouseover"));
    MouseOverCompo = new QComboBox(this);
    MouseOverCompo->setObjectName(QStringLiteral("MouseOverCompo"));
    MouseOverCompo->setAccessibleName(QStringLiteral("onMouseOver"));
    MouseOverCompo->addItem(QStringLiteral("Status line message"));
    MouseOverCompo->setCurrentIndex(-1);
    MouseOverCompo->setEnabled(false);
    for (auto [box, combo] : {std::pair{onklikk, KlikkCompo}, std::pair{mouseover, MouseOverCompo}}) {
        const int row = takeRow();
        m_grid->addWidget(box, row, 0);
        m_grid->addWidget(combo, row, 1, 1, 2);
        connect(box, &QCheckBox::toggled, combo, &QWidget::setEnabled);
    }
    connect(KlikkCompo, &QComboBox::textActivated, this, [this](const QString& c) { KlikkCompoChange(c); });
    connect(MouseOverCompo, &QComboBox::activated, this, [this] { MouseOverCompoChange(); });
    finishRows();
}

void TLinkForm::KlikkCompoChange(const QString& choice)
{
    Lenke->setText(QStringLiteral("#"));
    if (choice != QLatin1String("Open Browser window"))
        return;
    TBrowserFrm dialog(m_host, this);
    if (dialog.exec() == QDialog::Accepted)
        m_browserWindowEvent = browserWindowEvent(dialog.values(), m_host->escaper());
}

void TLinkForm::MouseOverCompoChange()
{
    TStatusLinjeFrm dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        m_statusLineEvents = statusLineEvents(dialog.message->text(), m_host->escaper());
}

std::optional<Insertion> TLinkForm::makeInsertion()
{
    LinkValues v;
    v.link = Lenke->text();
    v.name = Navn->text();
    v.linkText = Memo1->toPlainText().replace(QLatin1Char('\n'), QLatin1Char('\r'));
    v.onClick = onklikk->isChecked();
    v.clickChoice = KlikkCompo->currentIndex() >= 0 ? KlikkCompo->currentText() : QString();
    v.browserWindowEvent = m_browserWindowEvent;
    v.onMouseOver = mouseover->isChecked();
    v.statusLineEvents = m_statusLineEvents;
    return Insertion{linkMarkup(v, m_host->escaper()), std::nullopt};
}
