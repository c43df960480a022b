#include "workspace/widgets/editorsearch.h"

#include "editor/widgets/tsynedit.h"
#include "workspace/widgets/editorhost.h"
#include "workspace/widgets/teditform.h"
#include "workspace/widgets/tfinddialog.h"
#include "workspace/widgets/treplacedialog.h"

#include <QApplication>
#include <QMessageBox>

EditorSearch::EditorSearch(TEditForm* window, TSynEdit* edit, EditorHost* host)
    : m_window(window), m_host(host), m_editSearch(*edit), m_session(m_editSearch, *this)
{
}

EditorSearch::~EditorSearch()
{
    delete m_find;
    delete m_replace;
}

void EditorSearch::Soek()
{
    if (!m_find) {
        m_find = new TFindDialog(m_session.findQuery(), m_window);
        QObject::connect(m_find, &TFindDialog::findNextClicked, m_window, [this] { m_session.FinnNeste(); });
    }
    m_find->showDialog();
}

void EditorSearch::showReplace()
{
    if (!m_replace) {
        m_replace = new TReplaceDialog(m_session.replaceQuery(), m_window);
        QObject::connect(m_replace, &TReplaceDialog::findNextClicked, m_window, [this] { m_session.FinnErstatt(); });
        QObject::connect(m_replace, &TReplaceDialog::replaceClicked, m_window, [this] { m_session.Erstatt(); });
    }
    m_replace->showDialog();
}

int SynEditSearch::searchReplace(const QString& search, const QString& replace, int options)
{
    return m_edit.searchReplace(search, replace, options);
}

bool SynEditSearch::selAvail() const { return m_edit.selAvail(); }

SearchPoint SynEditSearch::blockBegin() const
{
    return {m_edit.blockBegin().Char, m_edit.blockBegin().Line};
}

void SynEditSearch::setSelText(const QString& text) { m_edit.setSelText(text); }
void SynEditSearch::setCaretXY(int column, int line) { m_edit.setCaretXY(column, line); }

void EditorSearch::beep() { QApplication::beep(); }

void EditorSearch::showInformation(const QString& text)
{
    QMessageBox::information(m_window, QStringLiteral("Information"), text);
}

void EditorSearch::setFindNextEnabled(bool enabled)
{
    m_host->setFindNextEnabled(enabled);
}
