#include "html/widgets/tfontform.h"

#include "html/textwizards.h"
#include "html/widgets/htmlhost.h"
#include "html/widgets/listeditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFontViewFrm::TFontViewFrm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFontViewFrm"));
    setWindowTitle(QStringLiteral("Select Font"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Fonts:"), this);
    m_fonts = new QListWidget(this);
    m_fonts->setObjectName(QStringLiteral("fonts"));
    m_fonts->addItems(QFontDatabase::families());
    m_fonts->setMinimumSize(260, 300);
    label->setBuddy(m_fonts);
    layout->addWidget(label);
    layout->addWidget(m_fonts);
    auto* sample = new QLabel(QStringLiteral("AaBbYyZz 123"), this);
    sample->setMinimumHeight(40);
    layout->addWidget(sample);
    connect(m_fonts, &QListWidget::currentTextChanged, sample,
            [sample](const QString& family) { sample->setFont(QFont(family, 14)); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_fonts, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    if (m_fonts->count() > 0)
        m_fonts->setCurrentRow(0);
}

QString TFontViewFrm::chosenFont() const
{
    return m_fonts->currentItem() ? m_fonts->currentItem()->text() : QString();
}

TFontForm::TFontForm(HtmlHost* host)
    : WizardDialog(host, QStringLiteral("TFontForm"), QStringLiteral("Font - Wizard:"), QStringLiteral("HID_FONTDLG"))
{
    m_font = new QLineEdit(this);
    m_font->setObjectName(QStringLiteral("font"));
    QPushButton* find = makeButton(QStringLiteral("Find.."), QStringLiteral("findFont"));
    addRow(QStringLiteral("Font:"), m_font, find);
    connect(find, &QPushButton::clicked, this, [this] { findFont(); });
    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("size"));
    for (int i = 1; i <= 7; ++i)
        m_size->addItem(QString::number(i));
    m_size->setCurrentIndex(-1);
    addRow(QStringLiteral("Size:"), m_size);

    auto* styles = new QWidget(this);
    auto* line = new QHBoxLayout(styles);
    line->setContentsMargins(0, 0, 0, 0);
    auto check = [styles, line](const char* caption, const char* name) {
        auto* box = new QCheckBox(QLatin1String(caption), styles);
        box->setObjectName(QLatin1String(name));
        line->addWidget(box);
        return box;
    };
    m_bold = check("Bold", "bold");
    m_italics = check("Italics", "italics");
    m_underline = check("Underline", "underline");
    line->addStretch(1);
    addWideRow(styles);

    ListEditor::Setup setup;
    setup.objectName = QStringLiteral("fonts");
    setup.headers = QStringList{QStringLiteral("Fonts")};
    setup.fullWidth = 240;
    setup.narrowWidth = 223;
    setup.addCaption = QStringLiteral("Add font..");
    setup.deleteCaption = QStringLiteral("Delete..");
    m_fonts = new ListEditor(setup, this);
    // The list under its caption, across the dialog.
    auto* caption = new QLabel(QStringLiteral("More than one font - Options:"), this);
    caption->setBuddy(m_fonts);
    addWideRow(caption);
    addWideRow(m_fonts);
    connect(m_fonts->addButton(), &QPushButton::clicked, this, [this] {
        if (m_font->text().trimmed().isEmpty())
            return;
        m_fonts->addRow({m_font->text()});
        m_font->clear();
    });

    m_series = new QCheckBox(QStringLiteral("Predefined series:"), this);
    m_series->setObjectName(QStringLiteral("predefinedSeries"));
    m_seriesChoice = new QComboBox(this);
    m_seriesChoice->setObjectName(QStringLiteral("series"));
    m_seriesChoice->addItems(predefinedFontSeries());
    m_seriesChoice->setCurrentIndex(-1);
    m_seriesChoice->setEnabled(false);
    m_seriesChoice->setAccessibleName(QStringLiteral("Predefined series"));
    const int row = takeRow();
    m_grid->addWidget(m_series, row, 0);
    m_grid->addWidget(m_seriesChoice, row, 1, 1, 2);
    connect(m_series, &QCheckBox::toggled, m_seriesChoice, &QWidget::setEnabled);
    connect(m_seriesChoice, &QComboBox::textActivated, this, [this](const QString& series) { m_fonts->addRow({series}); });
    finishRows();
}

void TFontForm::findFont()
{
    hide();
    TFontViewFrm chooser(parentWidget());
    if (chooser.exec() == QDialog::Accepted && !chooser.chosenFont().isEmpty())
        m_font->setText(chooser.chosenFont());
    show();
    raise();
    activateWindow();
}

std::optional<Insertion> TFontForm::makeInsertion()
{
    FontValues v;
    v.font = m_font->text();
    v.size = m_size->currentIndex() >= 0 ? m_size->currentText() : QString();
    v.bold = m_bold->isChecked();
    v.italics = m_italics->isChecked();
    v.underline = m_underline->isChecked();
    v.fonts = m_fonts->firstColumn();
    return Insertion{fontMarkup(v, m_host->selectedText(), m_host->escaper()), std::nullopt};
}
