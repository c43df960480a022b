#include "settings/templateworkingcopy.h"

#include "settings/programfolder.h"
#include "settings/textlistfile.h"

#include <QFileInfo>

namespace {

bool isNameLine(const QString& line) { return line.contains(u'%'); }

} // namespace

TemplateWorkingCopy::TemplateWorkingCopy(QStringList lines, bool fileExists)
    : m_lines(std::move(lines)), m_fileExists(fileExists)
{
}

QString TemplateWorkingCopy::file()
{
    return programFile(QStringLiteral("completion/auto.cmp"));
}

Result<TemplateWorkingCopy> TemplateWorkingCopy::load()
{
    Result<QStringList> lines = TextListFile::read(file());
    if (!lines)
        return Result<TemplateWorkingCopy>::failure(lines.error());
    return TemplateWorkingCopy(lines.take(), QFileInfo::exists(file()));
}

QStringList TemplateWorkingCopy::names() const
{
    QStringList out;
    for (const QString& line : m_lines)
        if (isNameLine(line))
            out << line.mid(1);
    return out;
}

std::optional<TemplateWorkingCopy::Range> TemplateWorkingCopy::find(const QString& name) const
{
    const int n = int(m_lines.size());
    for (int i = 0; i < n; ++i) {
        if (!isNameLine(m_lines[i]) || m_lines[i].mid(1) != name)
            continue;
        Range r{i, i + 1, n - 1, -1};
        // A line holding "%" names a template even when it holds "#" too,
        // as the file is read: it ends this body without being its end line.
        for (int j = i + 1; j < n; ++j) {
            if (isNameLine(m_lines[j])) {
                r.bodyEnd = j - 1;
                break;
            }
            if (m_lines[j].contains(u'#')) {
                r.bodyEnd = j - 1;
                r.endLine = j;
                break;
            }
        }
        return r;
    }
    return std::nullopt;
}

QStringList TemplateWorkingCopy::FindElementCode(const QString& name)
{
    const auto r = find(name);
    if (!r) {
        BodyStart = BodyEnd = -1;
        return {};
    }
    BodyStart = r->bodyStart;
    BodyEnd = r->bodyEnd;
    return m_lines.mid(r->bodyStart, r->bodyEnd - r->bodyStart + 1);
}

void TemplateWorkingCopy::putBack(const QStringList& code)
{
    if (BodyStart <= 0 || BodyStart > m_lines.size())
        return;
    if (BodyEnd != -1 && BodyEnd >= BodyStart)
        m_lines.remove(BodyStart, std::min<qsizetype>(BodyEnd, m_lines.size() - 1) - BodyStart + 1);
    for (qsizetype i = 0; i < code.size(); ++i)
        m_lines.insert(BodyStart + i, code[i]);
    BodyEnd = BodyStart + int(code.size()) - 1;
}

void TemplateWorkingCopy::UpdateKewordCode(const QString& name, const QStringList& code)
{
    const auto r = find(name);
    if (!r)
        return;
    if (r->bodyEnd >= r->bodyStart)
        m_lines.remove(r->bodyStart, r->bodyEnd - r->bodyStart + 1);
    for (qsizetype i = 0; i < code.size(); ++i)
        m_lines.insert(r->bodyStart + i, code[i]);
}

TemplateWorkingCopy::NewOutcome TemplateWorkingCopy::addTemplate(const QString& name)
{
    if (name.trimmed().isEmpty())
        return NewOutcome::Empty;
    for (const QString& line : m_lines)
        if (line.contains(name))
            return NewOutcome::Exists;
    m_lines << QStringLiteral("%") + name << QStringLiteral("#");
    BodyStart = int(m_lines.size()) - 1;
    BodyEnd = -1;
    return NewOutcome::Added;
}

void TemplateWorkingCopy::deleteTemplate(const QString& name)
{
    if (const auto r = find(name)) {
        const int last = r->endLine >= 0 ? r->endLine : r->bodyEnd;
        m_lines.remove(r->nameLine, last - r->nameLine + 1);
    }
    // Nothing is being edited any more: code typed now must not land in
    // whatever template follows.
    BodyStart = BodyEnd = -1;
}

std::optional<QString> TemplateWorkingCopy::forbiddenLine(const QStringList& code)
{
    for (const QString& line : code)
        if (line.contains(u'%') || line.contains(u'#'))
            return line;
    return std::nullopt;
}

QString TemplateWorkingCopy::forbiddenLineMessage(const QString& line)
{
    return QStringLiteral("The line \"%1\" holds \"%\" or \"#\". A template line cannot hold either: \"%\" "
                          "would start a new template and \"#\" would make the line a comment.")
        .arg(line);
}

Result<void> TemplateWorkingCopy::save() const
{
    if (!m_fileExists)
        return {};
    return TextListFile::write(file(), m_lines);
}
