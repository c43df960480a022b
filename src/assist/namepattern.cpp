#include "assist/namepattern.h"

#include "assist/scannertext.h"

NamePattern::NamePattern(const QString& name)
{
    m_forms.push_back(ScannerText::encode(name));
    bool latin1 = true, ascii = true;
    for (QChar c : name) {
        ascii = ascii && c.unicode() < 0x80;
        latin1 = latin1 && c.unicode() < 0x100;
    }
    if (!ascii && latin1) {
        const QByteArray bytes = name.toLatin1();
        m_forms.emplace_back(bytes.constData(), std::size_t(bytes.size()));
    }
}

bool NamePattern::foundIn(std::string_view text) const
{
    for (const std::string& form : m_forms)
        if (ScannerText::has(text, form))
            return true;
    return false;
}

bool NamePattern::foundIn(std::string_view text, std::string_view before, std::string_view after) const
{
    std::string pattern;
    for (const std::string& form : m_forms) {
        pattern.assign(before).append(form).append(after);
        if (ScannerText::has(text, pattern))
            return true;
    }
    return false;
}
