// Fuzzes the options dialog's template working copy over an auto.cmp of the
// input bytes (missing "#", stray "%", any line end): finding, editing,
// adding and deleting templates must keep the copy consistent. Any broken
// invariant traps, so libFuzzer keeps the input.
#include "fuzzcheck.h"
#include "settings/templateworkingcopy.h"
#include "settings/textlistfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>

namespace {

constexpr int kMaxNames = 16;


// The lines of the input as the list file reads them.
QStringList linesOf(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/templates_fuzz-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("auto.cmp"));
    QFile f(path);
    check(f.open(QIODevice::WriteOnly), "cannot write the input file");
    f.write(reinterpret_cast<const char*>(data), qint64(size));
    f.close();
    const Result<QStringList> lines = TextListFile::read(path);
    check(lines.ok(), "a readable file failed to read");
    // Written back and read again, the lines stay the lines.
    const QByteArray bytes = TextListFile::bytesOf(lines.value());
    check(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size(), "cannot write the lines");
    f.close();
    check(TextListFile::read(path).value() == lines.value(), "lines changed on a round trip");
    return lines.value();
}

bool validCode(const QStringList& code)
{
    return !TemplateWorkingCopy::forbiddenLine(code).has_value();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TemplateWorkingCopy copy(linesOf(data, size), true);
    const QStringList names = copy.names();
    const QStringList code = {QStringLiteral("if (x) {"), QStringLiteral("  |"), QStringLiteral("}")};
    for (int i = 0; i < names.size() && i < kMaxNames; ++i) {
        const QString& name = names[i];
        const QStringList body = copy.FindElementCode(name);
        check(validCode(body), "a body holds a name or an end line");
        check(copy.BodyStart > 0 && copy.BodyEnd >= copy.BodyStart - 1, "body range out of order");
        check(copy.BodyEnd < copy.lines().size(), "body range past the end");
        // Put back unchanged, nothing changes.
        const QStringList before = copy.lines();
        copy.putBack(body);
        check(copy.lines() == before, "putting a body back unchanged changed the copy");
        // A body replaced is found as written, and the names stay.
        copy.UpdateKewordCode(name, code);
        check(copy.FindElementCode(name) == code, "an updated body reads back otherwise");
        check(copy.names() == names, "updating a body changed the names");
    }
    const qsizetype count = copy.names().size();
    if (copy.addTemplate(QStringLiteral("zz_fuzz_new")) == TemplateWorkingCopy::NewOutcome::Added) {
        copy.putBack(code);
        check(copy.names().size() == count + 1, "a new template is not listed");
        check(copy.FindElementCode(QStringLiteral("zz_fuzz_new")) == code, "a new template's code reads otherwise");
    }
    if (!names.isEmpty()) {
        const qsizetype before = copy.names().size();
        copy.deleteTemplate(names.first());
        check(copy.names().size() == before - 1, "delete removed other than one template");
        copy.putBack(code);
        check(copy.names().size() == before - 1, "code went somewhere after a delete");
    }
    return 0;
}
