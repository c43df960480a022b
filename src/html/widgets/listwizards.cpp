#include "html/widgets/listwizards.h"

#include "html/tablewizard.h"
#include "html/textwizards.h"
#include "html/widgets/htmlhost.h"
#include "html/widgets/listeditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

struct KindInfo {
    const char* objectName;
    const char* caption;
    const char* helpTopic;
};

const KindInfo kKinds[] = {
    {"TOLtagFrm", "Ordered list", "HID_ORDEREDLIST"},
    {"TULtagFrm", "Unordered list", "HID_UNOREREDLIST"},
    {"TPopupMenuForm", "Popup menu wizard", "HID_POPUPDIALOG"},
};

} // namespace

ListWizard::ListWizard(HtmlHost* host, Kind kind)
    : WizardDialog(host, QLatin1String(kKinds[int(kind)].objectName), QLatin1String(kKinds[int(kind)].caption),
                   QLatin1String(kKinds[int(kind)].helpTopic)),
      m_kind(kind)
{
    const QString importTitle = QStringLiteral("Select file you want to be imported to the list");
    switch (kind) {
    case Kind::Ordered:
        m_type = new QComboBox(this);
        m_type->setObjectName(QStringLiteral("indexType"));
        m_type->addItems(orderedListTypes());
        m_type->setCurrentIndex(-1);
        m_type->setPlaceholderText(QStringLiteral("Select"));
        addRow(QStringLiteral("Index type:"), m_type);
        m_example = new QLabel(this);
        m_example->setObjectName(QStringLiteral("example"));
        m_example->setMinimumHeight(3 * fontMetrics().lineSpacing());
        m_example->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        addRow(QStringLiteral("Example:"), m_example);
        connect(m_type, &QComboBox::textActivated, this,
                [this](const QString& choice) { m_example->setText(orderedListExample(choice)); });
        m_start = new QLineEdit(this);
        m_start->setObjectName(QStringLiteral("startValue"));
        addRow(QStringLiteral("Start value:"), m_start);
        // Only what the user types is checked; emptying the field is fine.
        connect(m_start, &QLineEdit::textEdited, this, [this](const QString& text) { startValueEdited(text); });
        addEntryRows(QStringLiteral("Element:"), QStringLiteral("Elements:"), 6, importTitle);
        break;
    case Kind::Unordered:
        m_type = new QComboBox(this);
        m_type->setObjectName(QStringLiteral("indexType"));
        m_type->addItems(unorderedListTypes());
        m_type->setCurrentIndex(-1);
        m_type->setPlaceholderText(QStringLiteral("Select"));
        addRow(QStringLiteral("Type of index:"), m_type);
        addEntryRows(QStringLiteral("Element:"), QStringLiteral("Elements:"), 6, importTitle);
        break;
    case Kind::Selection:
        m_name = new QLineEdit(this);
        m_name->setObjectName(QStringLiteral("name"));
        addRow(QStringLiteral("Name:"), m_name);
        m_multiline = new QCheckBox(QStringLiteral("Multiline"), this);
        m_multiline->setObjectName(QStringLiteral("multiline"));
        addWideRow(m_multiline);
        m_length = new QLineEdit(this);
        m_length->setObjectName(QStringLiteral("length"));
        m_length->setEnabled(false);
        addRow(QStringLiteral("Length:"), m_length);
        connect(m_multiline, &QCheckBox::toggled, m_length, &QWidget::setEnabled);
        addEntryRows(QStringLiteral("Field:"), QStringLiteral("Fields"), 5,
                     QStringLiteral("Select a file to be imported to the list"));
        break;
    }
    finishRows();
}

void ListWizard::addEntryRows(const QString& entryLabel, const QString& listLabel, int narrowAt,
                              const QString& importTitle)
{
    m_entry = new QLineEdit(this);
    m_entry->setObjectName(QStringLiteral("element"));
    QPushButton* add = makeButton(QStringLiteral("Add.."), QStringLiteral("add"));
    addRow(entryLabel, m_entry, add);
    ListEditor::Setup setup;
    setup.objectName = QStringLiteral("elements");
    setup.headers = QStringList{listLabel};
    setup.fullWidth = 260;
    setup.narrowWidth = 243;
    setup.narrowAt = narrowAt;
    setup.importTitle = importTitle;
    setup.importFilter = QStringLiteral("Text files (*.txt);;All files (*)");
    setup.rowsFromLines = [](const QStringList& lines) {
        std::vector<QStringList> rows;
        for (const QString& entry : importedEntries(lines))
            rows.push_back({entry});
        return rows;
    };
    m_list = new ListEditor(setup, this);
    addRow(listLabel.endsWith(QLatin1Char(':')) ? listLabel : listLabel + QLatin1Char(':'), m_list);
    connect(add, &QPushButton::clicked, this, [this] {
        m_list->addRow({m_entry->text()});
        m_entry->clear();
        m_entry->setFocus();
    });
}

void ListWizard::startValueEdited(const QString& text)
{
    if (text.isEmpty() || readWholeNumber(text))
        return;
    QMessageBox::information(this, QStringLiteral("info"), QStringLiteral("Start value has to be a number!"));
    m_start->clear();
}

std::optional<Insertion> ListWizard::makeInsertion()
{
    const QString indentation = m_host->indentation();
    const HtmlEscaper escaper = m_host->escaper();
    switch (m_kind) {
    case Kind::Ordered:
        return Insertion{orderedListMarkup(m_type->currentIndex() >= 0 ? m_type->currentText() : QString(),
                                           m_start->text(), m_list->firstColumn(), indentation, escaper),
                         std::nullopt};
    case Kind::Unordered:
        return Insertion{unorderedListMarkup(m_type->currentIndex() >= 0 ? m_type->currentText() : QString(),
                                             m_list->firstColumn(), indentation, escaper),
                         std::nullopt};
    case Kind::Selection: {
        SelectionListValues v;
        v.name = m_name->text();
        v.multiline = m_multiline->isChecked();
        v.length = m_length->text();
        v.entries = m_list->firstColumn();
        return Insertion{selectionListMarkup(v, indentation, escaper), std::nullopt};
    }
    }
    return std::nullopt;
}
