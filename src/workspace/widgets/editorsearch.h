#pragma once

#include "workspace/searchsession.h"

#include <QPointer>

#include <memory>

class EditorHost;
class TEditForm;
class TFindDialog;
class TReplaceDialog;
class TSynEdit;

// The edit control as the search session sees it.
class SynEditSearch : public SearchEditor {
public:
    explicit SynEditSearch(TSynEdit& edit) : m_edit(edit) {}
    int searchReplace(const QString& search, const QString& replace, int options) override;
    bool selAvail() const override;
    SearchPoint blockBegin() const override;
    void setSelText(const QString& text) override;
    void setCaretXY(int column, int line) override;

private:
    TSynEdit& m_edit;
};

// The search of one editor window: its session over the edit control, the
// feedback to the user and the two modeless dialogs, made on first use.
class EditorSearch : private SearchFeedback {
public:
    EditorSearch(TEditForm* window, TSynEdit* edit, EditorHost* host);
    ~EditorSearch() override;

    void Soek();       // Soek: search (opens the find dialog)
    void showReplace();
    SearchSession& session() { return m_session; }

private:
    void beep() override;
    void showInformation(const QString& text) override;
    void setFindNextEnabled(bool enabled) override;

    TEditForm* m_window;
    EditorHost* m_host;
    SynEditSearch m_editSearch;
    SearchSession m_session;
    QPointer<TFindDialog> m_find;
    QPointer<TReplaceDialog> m_replace;
};
