#include "html/widgets/tlinkscriptfrm.h"

#include "html/scriptwizards.h"
#include "html/widgets/htmlhost.h"
#include "html/widgets/listeditor.h"
#include "html/widgets/scriptcommands.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>

TLinkScriptFrm::TLinkScriptFrm(HtmlHost* host)
    : WizardDialog(host, QStringLiteral("TLinkScriptFrm"), QStringLiteral("Linkscript"),
                   QStringLiteral("HID_LINKSCRIPTDLG")),
      random([] { return int(QRandomGenerator::global()->bounded(2000)); })
{
    Edit3 = new QLineEdit(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    addRow(QStringLiteral("Value:"), Edit3);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    QPushButton* add = makeButton(QStringLiteral("Add.."), QStringLiteral("add"));
    addRow(QStringLiteral("Link:"), Edit2, add);

    ListEditor::Setup setup;
    setup.objectName = QStringLiteral("links");
    setup.headers = QStringList{QStringLiteral("Value"), QStringLiteral("Link")};
    setup.fullWidth = 199;
    setup.narrowWidth = 182;
    setup.importTitle = QStringLiteral("Select file you want to be imported to the list");
    setup.importFilter = QStringLiteral("Text files (*.txt);;Richtext files (*.rtf)");
    setup.rowsFromLines = [](const QStringList& lines) {
        std::vector<QStringList> rows;
        for (const ScriptWizards::LinkRow& row : ScriptWizards::linkRowsFromLines(lines))
            rows.push_back({row.value, row.link});
        return rows;
    };
    m_list = new ListEditor(setup, this);
    addRow(QStringLiteral("Links:"), m_list);
    connect(add, &QPushButton::clicked, this, [this] {
        m_list->addRow({Edit3->text(), Edit2->text()});
        Edit3->clear();
        Edit2->clear();
        Edit3->setFocus();
    });
    finishRows();
}

void TLinkScriptFrm::okClicked()
{
    if (!m_host->hasEditor()) {
        WizardDialog::okClicked(); // says there is no document
        return;
    }
    std::vector<ScriptWizards::LinkRow> rows;
    for (const QStringList& row : m_list->rows())
        rows.push_back({row.value(0), row.value(1)});
    // A document that has the script already gets a list the script serves.
    const QString text = m_host->activeEditorText();
    const int number = ScriptWizards::linkListNumberInDocument(text).value_or(random());
    m_host->writeInsertion({ScriptWizards::linkListMarkup(rows, number, m_host->indentation(), m_host->escaper()),
                            std::nullopt});
    ScriptCommands::addHeadScriptOnce(m_host, this, ScriptWizards::LinkListMarker,
                                      ScriptWizards::linkListHeadScript(number));
    accept();
}
