// TMainForm: code assistance. The Java source scanners on the active
// document, Quick find, the completion switches and the templates.
#include "app/widgets/tmainform.h"

#include "assist/javasourcemodel.h"
#include "editor/widgets/tsynedit.h"
#include "workspace/widgets/teditform.h"

namespace {

QByteArray documentOf(const TEditForm* editor)
{
    return editor ? editor->SynEdit1->documentBytes() : QByteArray();
}

std::string_view view(const QByteArray& bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

} // namespace

// ---- Java source scanners -------------------------------------------------

QStringList TMainForm::FinnKlasseNavnene() const
{
    const QByteArray doc = documentOf(GetActiveEditor());
    return JavaSourceModel::FinnKlasseNavnene(view(doc));
}

QStringList TMainForm::FinnAlleDatamedlemmer(const QString& className, bool includePrivate) const
{
    const QByteArray doc = documentOf(GetActiveEditor());
    return JavaSourceModel::FinnAlleDatamedlemmer(view(doc), className, includePrivate);
}

QStringList TMainForm::ClipAndFindMultilineDatamembers(const QString& className) const
{
    const QByteArray doc = documentOf(GetActiveEditor());
    return JavaSourceModel::ClipAndFindMultilineDatamembers(view(doc), className);
}

QStringList TMainForm::NormalizeMemberEntries(const QStringList& entries) const
{
    return JavaSourceModel::NormalizeMemberEntries(entries);
}

int TMainForm::FinnClassStart(int line) const
{
    const QByteArray doc = documentOf(GetActiveEditor());
    return JavaSourceModel::FinnClassStart(view(doc), line);
}

int TMainForm::FinnScopeSlutt(int line) const
{
    const TEditForm* editor = GetActiveEditor();
    if (!editor)
        return -1;
    const QByteArray doc = documentOf(editor);
    return JavaSourceModel::FinnScopeSlutt(view(doc), line);
}
