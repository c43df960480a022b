#include "utilities/widgets/ttipwindowfrm.h"

#include "settings/inifile.h"
#include "settings/widgets/jpegimage.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QString kTips = QStringLiteral("Tips");
const QString kDoShow = QStringLiteral("doShow");

// Where the tip box lies on the picture (the picture's light panel).
constexpr QRect kTipBox(48, 52, 338, 130);

QPixmap tipPicture()
{
    QFile file(QStringLiteral(":/utilities/tipoftheday.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const Result<QImage> image = decodeJpeg(file.readAll());
    return image ? QPixmap::fromImage(image.value()) : QPixmap();
}

} // namespace

// The picture is a resource of a static library: it is registered here, by
// name, or the linker would leave it out.
static void registerTipPicture()
{
    Q_INIT_RESOURCE(utilities);
}

TTipWindowFrm::TTipWindowFrm(IniFile& settings, const QString& tipsPath, QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("TipWindowFrm"));
    setWindowTitle(QStringLiteral("Tip of the day"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Kept above the frame window by being its transient dialog, not by
    // staying on top of everything: a wizard opened while the tip shows
    // must come above it, or the tip hides the wizard it cannot be used
    // beside.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(399, 198);
    registerTipPicture();
    Image1->setPixmap(tipPicture());
    RichEdit1 = new QTextEdit(Image1);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(QStringLiteral("Tip"));
    RichEdit1->setGeometry(kTipBox);
    RichEdit1->setReadOnly(true);
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setFrameShape(QFrame::NoFrame);
    RichEdit1->setFocusPolicy(Qt::NoFocus);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->viewport()->setAutoFillBackground(false);
    RichEdit1->setStyleSheet(QStringLiteral("QTextEdit { background: transparent; color: #1d2b3a; }"));
    QFont tipFont = RichEdit1->font();
    tipFont.setPointSizeF(tipFont.pointSizeF() * 1.15);
    RichEdit1->setFont(tipFont);

    CheckBox1 = new QCheckBox(QStringLiteral("Show tip on startup"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    Button1 = new QPushButton(QStringLiteral("Next tip"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Close"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setDefault(true);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(CheckBox1);
    bottom->addStretch(1);
    bottom->addWidget(Button1);
    bottom->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Image1, 0, Qt::AlignHCenter);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, [this] { GetTipNr(); }); // Button1Click
    connect(Button2, &QPushButton::clicked, this, [this] { close(); });    // Button2Click
    FormCreate(tipsPath);
}

void TTipWindowFrm::FormCreate(const QString& tipsPath)
{
    CheckBox1->setChecked(m_settings.ReadBool(kTips, kDoShow, true));
    Result<TipsFile> tips = TipsFile::read(tipsPath);
    if (!tips) {
        // Reported beside the window, not over the program: the window is
        // not modal, and neither is its error.
        auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Pellam Vornic"), tips.error(),
                                    QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
        return;
    }
    m_tips = tips.take();
    m_current = int(QRandomGenerator::global()->bounded(m_tips->count())) + 1;
    GetTipNr();
}

void TTipWindowFrm::GetTipNr()
{
    if (!m_tips)
        return;
    m_current = nextTipNumber(m_current, m_tips->count());
    if (const std::optional<QString> tip = m_tips->tip(m_current)) {
        RichEdit1->clear();
        RichEdit1->setPlainText(*tip);
    }
}

void TTipWindowFrm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TTipWindowFrm::FormClose()
{
    try {
        m_settings.WriteBool(kTips, kDoShow, CheckBox1->isChecked());
    } catch (const IniWriteError& e) {
        QMessageBox::critical(this, QStringLiteral("Pellam Vornic"), e.message());
    }
}
