#include "html/widgets/ttableform.h"

#include "html/tablewizard.h"
#include "html/widgets/htmlhost.h"
#include "settings/widgets/jpegimage.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace {

QComboBox* unitChoice(QWidget* parent, const char* name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems({QStringLiteral("Pixel"), QStringLiteral("Prosent")});
    combo->setCurrentIndex(-1);
    combo->setPlaceholderText(QStringLiteral("Select"));
    return combo;
}

QString choice(const QComboBox* combo)
{
    return combo->currentIndex() >= 0 ? combo->currentText() : QString();
}

} // namespace

TTableForm::TTableForm(HtmlHost* host)
    : WizardDialog(host, QStringLiteral("TTableForm"), QStringLiteral("Table wizard:"), QStringLiteral("HID_TABLEDLG"))
{
    auto edit = [this](const char* name, const char* text = "") {
        auto* e = new QLineEdit(QLatin1String(text), this);
        e->setObjectName(QLatin1String(name));
        return e;
    };
    // The two icons are JPEGs of ours, decoded by our libjpeg decoder.
    auto icon = [this](const char* file) {
        auto* label = new QLabel(this);
        QFile picture(QStringLiteral(":/html/icons/") + QLatin1String(file));
        if (picture.open(QIODevice::ReadOnly))
            if (const Result<QImage> image = decodeJpeg(picture.readAll()))
                label->setPixmap(QPixmap::fromImage(image.value()));
        return label;
    };
    Edit1 = edit("Edit1", "3");
    addRow(QStringLiteral("Row:"), Edit1, icon("rows.jpg"));
    Edit2 = edit("Edit2", "3");
    addRow(QStringLiteral("Column:"), Edit2, icon("columns.jpg"));
    Edit3 = edit("Edit3");
    addRow(QStringLiteral("Cell space:"), Edit3);
    Edit4 = edit("Edit4");
    addRow(QStringLiteral("Cellpadding:"), Edit4);
    Edit5 = edit("Edit5", "75");
    ComboBox1 = unitChoice(this, "ComboBox1");
    addRow(QStringLiteral("Width:"), Edit5, ComboBox1);
    Edit6 = edit("Edit6");
    ComboBox2 = unitChoice(this, "ComboBox2");
    addRow(QStringLiteral("Height:"), Edit6, ComboBox2);
    CheckBox1 = new QCheckBox(QStringLiteral("Frame"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(true);
    addWideRow(CheckBox1);
    ComboBox3 = new QComboBox(this);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->addItems({QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Center")});
    ComboBox3->setCurrentIndex(-1);
    ComboBox3->setPlaceholderText(QStringLiteral("Select"));
    addRow(QStringLiteral("Alignment:"), ComboBox3);
    Edit9 = edit("Edit9");
    QPushButton* Button1 = makeButton(QStringLiteral("Select color.."), QStringLiteral("Button1"));
    addRow(QStringLiteral("BG color:"), Edit9, Button1);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    Edit12 = edit("Edit12");
    addRow(QStringLiteral("Table name:"), Edit12);
    finishRows();
}

void TTableForm::Button1Click()
{
    QColorDialog dialog(this);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QColor c = dialog.selectedColor();
    Edit9->setText(colorHexText(c.red(), c.green(), c.blue()));
}

std::optional<Insertion> TTableForm::makeInsertion()
{
    TableValues v;
    v.rows = Edit1->text();
    v.columns = Edit2->text();
    v.cellSpacing = Edit3->text();
    v.cellPadding = Edit4->text();
    v.width = Edit5->text();
    v.widthUnit = choice(ComboBox1);
    v.height = Edit6->text();
    v.heightUnit = choice(ComboBox2);
    v.frame = CheckBox1->isChecked();
    v.alignment = choice(ComboBox3);
    v.bgColor = Edit9->text();
    v.name = Edit12->text();
    const Result<QString> text = tableMarkup(v, m_host->indentation(), m_host->escaper());
    if (!text) {
        error(text.error());
        return std::nullopt;
    }
    return Insertion{text.value(), std::nullopt};
}
