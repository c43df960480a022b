#include "assist/completionsource.h"

#include "assist/completionlist.h"
#include "assist/documentlines.h"
#include "assist/javadocumentindex.h"
#include "assist/memberaccess.h"
#include "assist/scannertext.h"
#include "assist/typelookup.h"

namespace {

std::optional<QStringList> listOf(const QString& folder, const QString& name)
{
    return CompletionList::readListFile(CompletionList::listFilePath(folder, name));
}

// A type's members: its list file, else its class in the document.
CompletionSource membersOfType(const DocumentLines& lines, const JavaDocumentIndex& index, const QString& folder,
                               const QString& type)
{
    if (auto entries = listOf(folder, type))
        return {type, *entries};
    return {type, index.members(lines, type, false)};
}

} // namespace

std::optional<CompletionSource> chooseCompletionSource(const DocumentLines& lines, JavaDocumentIndex& index,
                                                       int caretLine, int caretColumn, const QString& listFolder)
{
    const MemberAccess access = findMemberAccess(lines.line(caretLine), caretColumn);
    const QString word = ScannerText::decode(ScannerText::trimmed(access.lastIdentifier));
    if (auto entries = listOf(listFolder, word))
        return CompletionSource{word, *entries};

    index.update(lines);
    const DeclaredType declared = lookUpDeclaredType(lines, index.classStart(caretLine), caretLine, access.objectName);
    if (declared.type)
        return membersOfType(lines, index, listFolder, *declared.type);
    if (declared.rawGenericType)
        return membersOfType(lines, index, listFolder, *declared.rawGenericType);
    const QString objectName = ScannerText::decode(access.objectName);
    if (auto entries = listOf(listFolder, objectName))
        return CompletionSource{objectName, *entries};
    if (access.qualifier == "System" && (access.objectName == "out" || access.objectName == "err")) {
        const QString printStream = QStringLiteral("PrintStream");
        if (auto entries = listOf(listFolder, printStream))
            return CompletionSource{printStream, *entries};
    }
    return std::nullopt;
}
