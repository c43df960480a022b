#include "editor/tsyncustomhighlighter.h"

#include "settings/inifile.h"

#include <algorithm>

TSynCustomHighlighter::TSynCustomHighlighter() = default;
TSynCustomHighlighter::~TSynCustomHighlighter() = default;

TSynHighlighterAttributes* TSynCustomHighlighter::attribute(int index) const
{
    if (index < 0 || index >= attrCount())
        return nullptr;
    return m_attributes[std::size_t(index)].get();
}

TSynHighlighterAttributes* TSynCustomHighlighter::attributeByName(const QString& name) const
{
    for (const auto& a : m_attributes)
        if (a->name().compare(name, Qt::CaseInsensitive) == 0)
            return a.get();
    return nullptr;
}

TSynHighlighterAttributes* TSynCustomHighlighter::addAttribute(const QString& name)
{
    if (TSynHighlighterAttributes* existing = attributeByName(name))
        return existing;
    auto attr = std::make_unique<TSynHighlighterAttributes>(name, this);
    TSynHighlighterAttributes* raw = attr.get();
    auto pos = std::lower_bound(m_attributes.begin(), m_attributes.end(), name,
                                [](const auto& a, const QString& n) {
                                    return a->name().compare(n, Qt::CaseInsensitive) < 0;
                                });
    m_attributes.insert(pos, std::move(attr));
    for (std::size_t i = 0; i < m_attributes.size(); ++i)
        m_attributes[i]->m_index = int(i);
    return raw;
}

AttributeList TSynCustomHighlighter::attributeStyles() const
{
    AttributeList list;
    list.reserve(qsizetype(m_attributes.size()));
    for (const auto& a : m_attributes)
        list.append({a->name(), a->foreground(), a->background(), a->style()});
    return list;
}

void TSynCustomHighlighter::SaveAttributesToIni(IniFile& ini) const
{
    // One rewrite for the whole list: key by key it took 0.2 s a file.
    IniBatch batch;
    ColorSchemes::writeAttributes(batch, attributeStyles());
    ini.Apply(batch);
}

void TSynCustomHighlighter::LoadAttributesFromIni(const IniFile& ini)
{
    // One read of the file per attribute; a key that is no integer keeps the
    // attribute's value, as an integer read with that default would. The
    // listeners hear of all changes at once.
    m_holdNotices = true;
    m_changedWhileHeld = false;
    for (const auto& a : m_attributes) {
        const IniSection section = ini.ReadSectionValues(a->name());
        if (section.isEmpty())
            continue;
        a->assign(section.ReadInteger(QStringLiteral("Foreground"), a->foreground()),
                  section.ReadInteger(QStringLiteral("Background"), a->background()),
                  section.ReadInteger(QStringLiteral("Style"), a->style()));
    }
    m_holdNotices = false;
    if (m_changedWhileHeld)
        attributeChanged();
}

bool TSynCustomHighlighter::skipPast(std::string_view closer)
{
    const std::size_t at = m_line.find(closer, m_run);
    if (at == std::string_view::npos) {
        m_run = m_line.size();
        return false;
    }
    m_run = at + closer.size();
    return true;
}

void TSynCustomHighlighter::skipQuoted(char quote)
{
    const std::size_t n = m_line.size();
    std::size_t i = m_run + 1;
    while (i < n) {
        const char c = m_line[i];
        if (c == quote) {
            ++i;
            break;
        }
        i += c == '\\' ? 2 : 1;
    }
    m_run = i < n ? i : n;
}

void TSynCustomHighlighter::SetLine(std::string_view line, int lineNumber)
{
    m_line = line;
    m_lineNumber = lineNumber;
    m_run = 0;
    m_tokenPos = 0;
    Next();
}

void TSynCustomHighlighter::Next()
{
    m_tokenPos = m_run;
    if (m_run >= m_line.size()) {
        m_tokenKind = TokenKind::Null;
        return;
    }
    scanToken();
    if (m_run <= m_tokenPos) // a scanner must consume at least one byte
        m_run = m_tokenPos + 1;
    if (m_run > m_line.size())
        m_run = m_line.size();
}

QString TSynCustomHighlighter::GetTokenText() const
{
    const std::string_view t = GetToken();
    return QString::fromLatin1(t.data(), qsizetype(t.size()));
}

int TSynCustomHighlighter::addChangeListener(ChangeListener listener)
{
    const int id = m_nextListenerId++;
    m_listeners.emplace_back(id, std::move(listener));
    return id;
}

void TSynCustomHighlighter::removeChangeListener(int id)
{
    m_listeners.erase(std::remove_if(m_listeners.begin(), m_listeners.end(),
                                     [id](const auto& l) { return l.first == id; }),
                      m_listeners.end());
}

void TSynCustomHighlighter::attributeChanged()
{
    if (m_holdNotices) {
        m_changedWhileHeld = true;
        return;
    }
    // Copy: a listener may remove itself.
    const auto listeners = m_listeners;
    for (const auto& l : listeners)
        l.second();
}
