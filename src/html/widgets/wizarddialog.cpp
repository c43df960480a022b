#include "html/widgets/wizarddialog.h"

#include "html/widgets/htmlhost.h"
#include "settings/widgets/helpwindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

WizardDialog::WizardDialog(HtmlHost* host, const QString& objectName, const QString& caption,
                           const QString& helpTopic)
    // A title and no border icons: OK, Cancel and Escape close it.
    : QDialog(host->hostWindow(),
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      m_host(host), m_helpTopic(helpTopic)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_grid = new QGridLayout;
    m_grid->setColumnStretch(1, 1);
    layout->addLayout(m_grid);
}

QPushButton* WizardDialog::makeButton(const QString& caption, const QString& objectName)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

QLabel* WizardDialog::addRow(const QString& label, QWidget* field, QWidget* button)
{
    auto* text = new QLabel(label, this);
    text->setBuddy(field);
    m_grid->addWidget(text, m_row, 0);
    m_grid->addWidget(field, m_row, 1, 1, button ? 1 : 2);
    if (button)
        m_grid->addWidget(button, m_row, 2);
    if (!m_firstField)
        m_firstField = field;
    ++m_row;
    return text;
}

void WizardDialog::addWideRow(QWidget* field, QWidget* button)
{
    m_grid->addWidget(field, m_row, 0, 1, button ? 2 : 3);
    if (button)
        m_grid->addWidget(button, m_row, 2);
    if (!m_firstField)
        m_firstField = field;
    ++m_row;
}

void WizardDialog::finishRows()
{
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);
    if (!m_helpTopic.isEmpty()) {
        QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
        help->setObjectName(QStringLiteral("HelpButton"));
        help->setAutoDefault(false);
        const QString topic = m_helpTopic;
        connect(help, &QPushButton::clicked, this, [topic] { HelpWindow::instance()->showTopic(topic); });
    }
    // The title bar shows the whole caption: a narrow wizard (five check
    // boxes) had its caption cut short by the window manager.
    QFont titleFont = font();
    titleFont.setBold(true);
    buttons->setMinimumWidth(QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + TitleBarButtonsWidth);
    connect(m_ok, &QPushButton::clicked, this, [this] { okClicked(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout()->addWidget(buttons);
}

void WizardDialog::okClicked()
{
    if (!m_host->hasEditor()) {
        information(QStringLiteral("There is no open document to write into. Open or make one, then press OK again."));
        return;
    }
    const std::optional<Insertion> insertion = makeInsertion();
    if (!insertion)
        return;
    if (!insertion->text.isEmpty())
        m_host->writeInsertion(*insertion);
    accept();
}

void WizardDialog::showWizard()
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
    if (m_firstField) {
        m_firstField->setFocus(Qt::OtherFocusReason);
        // Selected, so what the user types replaces the default ("3" rows
        // became "32" when the user typed 2).
        if (auto* edit = qobject_cast<QLineEdit*>(m_firstField))
            edit->selectAll();
    }
}

void WizardDialog::information(const QString& text, const QString& caption)
{
    QMessageBox::information(this, caption, text);
}

void WizardDialog::error(const QString& text)
{
    QMessageBox::critical(this, QApplication::applicationName(), text);
}
