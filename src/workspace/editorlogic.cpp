#include "workspace/editorlogic.h"

#include "editor/keymap.h"

#include <algorithm>
#include <array>
#include <utility>

namespace EditorLogic {
namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

constexpr int vkNumLock = 0x90;
constexpr int vkScrollLock = 0x91;

} // namespace

QString FinnID(const QString& lineText, int caretColumn)
{
    if (lineText.isEmpty() || caretColumn < 1)
        return {};
    // Positions are 1-based; those beyond the line's end count as not blank.
    const auto blankAt = [&lineText](qsizetype position) {
        return position <= lineText.size() && isBlank(lineText.at(position - 1));
    };
    qsizetype last = caretColumn;
    while (last >= 1 && blankAt(last))
        --last;
    if (last < 1)
        return {};
    qsizetype blank = last - 1;
    while (blank >= 1 && !blankAt(blank))
        --blank;
    return lineText.mid(blank, last - blank);
}

KeyDownAction classifyKeyDown(int virtualKey, Qt::KeyboardModifiers modifiers)
{
    switch (virtualKey) {
    case VK::Return:
    case VK::Delete:
        return KeyDownAction::KeepFocus;
    case VK::Shift:
    case VK::Control:
    case VK::Menu:
    case VK::Pause:
    case VK::Capital:
    case VK::Escape:
    case VK::Prior:
    case VK::Next:
    case VK::End:
    case VK::Home:
    case VK::Left:
    case VK::Up:
    case VK::Right:
    case VK::Down:
    case vkNumLock:
    case vkScrollLock:
        return KeyDownAction::Ignore;
    case VK::Space:
        return KeyDownAction::SpaceTrigger;
    case VK::Insert:
        // Shift+Insert pastes and Ctrl+Insert copies, so they mark the
        // document; Alt is not looked at.
        if (!(modifiers & (Qt::ShiftModifier | Qt::ControlModifier)))
            return KeyDownAction::ToggleInsertMode;
        return KeyDownAction::MarkModified;
    default:
        return KeyDownAction::MarkModified;
    }
}

int saveFilterIndex(const QString& extension, int filterEntryCount)
{
    // Tested in this order; ".html" and ".shtml" select HTML by containing ".htm".
    static const std::array<std::pair<QLatin1String, int>, 7> entries = {{
        {QLatin1String(".java"), 1},
        {QLatin1String(".htm"), 2},
        {QLatin1String(".css"), 6},
        {QLatin1String(".pl"), 3},
        {QLatin1String(".xml"), 5},
        {QLatin1String(".php"), 4},
        {QLatin1String(".txt"), 7},
    }};
    const QString lower = extension.toLower();
    for (const auto& [part, index] : entries) {
        if (lower.contains(part))
            return index;
    }
    return std::max(filterEntryCount - 1, 1);
}

} // namespace EditorLogic
