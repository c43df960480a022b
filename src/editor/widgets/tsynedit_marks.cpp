// TSynEdit: marks and bookmarks, the special line colours and the events
// the view hands over. Kept apart from the text side (tsynedit.cpp) only to
// keep both files readable.
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"
#include "editor/widgets/tsyngutter.h"
#include "settings/widgets/qtcolors.h"

#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

using S = QsciScintillaBase;

// ---- marks ---------------------------------------------------------------

void TSynEdit::placeMark(const TSynEditMark& mark)
{
    editableMarks().place(mark);
    m_gutter->update();
}

void TSynEdit::marksChanged()
{
    m_gutter->update();
}

void TSynEdit::clearLineMarks(int line)
{
    editableMarks().clearLine(line);
    m_gutter->update();
}

void TSynEdit::setBookmark(int number, int column, int line)
{
    if (number < 0 || number > 9)
        return;
    editableMarks().setBookmark(number, std::clamp(line, 1, std::max(1, lineCount())), column, !m_images.empty());
    m_gutter->update();
}

void TSynEdit::clearBookmark(int number)
{
    editableMarks().clearBookmark(number);
    m_gutter->update();
}

void TSynEdit::gotoBookmark(int number)
{
    if (const auto at = bookmark(number))
        setCaretXY(at->Char, at->Line);
}

std::optional<BufferCoord> TSynEdit::bookmark(int number) const
{
    const TSynEditMarkList& list = marks();
    const int i = list.findBookmark(number);
    if (i < 0)
        return std::nullopt;
    return BufferCoord{list.at(i).Char, list.at(i).Line};
}

void TSynEdit::toggleBookmark(int number)
{
    const auto at = bookmark(number);
    if (at && at->Line == caretY())
        clearBookmark(number);
    else
        setBookmark(number, caretX(), caretY());
}

void TSynEdit::setBookmarkImages(const std::vector<QPixmap>& images)
{
    m_images = images;
    m_gutter->update();
}

// ---- special line colours ----------------------------------------------

void TSynEdit::clearSpecialLines()
{
    if (m_specialApplied.empty())
        return;
    for (const auto& entry : m_specialApplied)
        for (int i = 0; i < kBackgroundMarkers; ++i)
            send(S::SCI_MARKERDELETE, entry.first - 1, kFirstBackgroundMarker + i);
    for (int i = 0; i < kForegroundIndicators; ++i) {
        send(S::SCI_SETINDICATORCURRENT, kFirstForegroundIndicator + i);
        send(S::SCI_INDICATORCLEARRANGE, 0, send(S::SCI_GETLENGTH));
    }
    m_specialApplied.clear();
}

void TSynEdit::refreshSpecialLines()
{
    if (m_specialStale) {
        m_specialStale = false;
        clearSpecialLines();
    }
    if (!OnSpecialLineColors) {
        if (!m_specialApplied.empty())
            clearSpecialLines();
        return;
    }
    const int first = int(send(S::SCI_GETFIRSTVISIBLELINE)) + 1;
    const int last = std::min(first + int(send(S::SCI_LINESONSCREEN)) + 1, std::max(1, lineCount()));
    for (int line = first; line <= last; ++line) {
        bool special = false;
        TColor fg = Colors::clNone, bg = Colors::clNone;
        OnSpecialLineColors(line, special, fg, bg);
        auto it = m_specialApplied.find(line);
        if (!special) {
            if (it == m_specialApplied.end())
                continue;
            for (int i = 0; i < kBackgroundMarkers; ++i)
                send(S::SCI_MARKERDELETE, line - 1, kFirstBackgroundMarker + i);
            const long start = send(S::SCI_POSITIONFROMLINE, line - 1);
            const long len = send(S::SCI_GETLINEENDPOSITION, line - 1) - start;
            for (int i = 0; i < kForegroundIndicators; ++i) {
                send(S::SCI_SETINDICATORCURRENT, kFirstForegroundIndicator + i);
                send(S::SCI_INDICATORCLEARRANGE, start, len);
            }
            m_specialApplied.erase(it);
            continue;
        }
        if (it != m_specialApplied.end() && it->second == std::make_pair(fg, bg))
            continue;
        // A marker per background colour and an indicator per text colour,
        // reused round-robin from small pools.
        auto slotFor = [](std::vector<std::pair<TColor, int>>& pool, TColor c, int firstSlot, int size) {
            for (const auto& p : pool)
                if (p.first == c)
                    return std::make_pair(p.second, false);
            const int slot = firstSlot + int(pool.size() % std::size_t(size));
            std::erase_if(pool, [slot](const auto& p) { return p.second == slot; });
            pool.emplace_back(c, slot);
            return std::make_pair(slot, true);
        };
        for (int i = 0; i < kBackgroundMarkers; ++i)
            send(S::SCI_MARKERDELETE, line - 1, kFirstBackgroundMarker + i);
        if (toQColor(bg).isValid()) {
            const auto [marker, fresh] = slotFor(m_backgroundMarkers, bg, kFirstBackgroundMarker, kBackgroundMarkers);
            if (fresh)
                send(S::SCI_MARKERSETBACK, marker, sciColor(bg, Qt::white));
            send(S::SCI_MARKERADD, line - 1, marker);
        }
        const long start = send(S::SCI_POSITIONFROMLINE, line - 1);
        const long len = send(S::SCI_GETLINEENDPOSITION, line - 1) - start;
        for (int i = 0; i < kForegroundIndicators; ++i) {
            send(S::SCI_SETINDICATORCURRENT, kFirstForegroundIndicator + i);
            send(S::SCI_INDICATORCLEARRANGE, start, len);
        }
        if (toQColor(fg).isValid() && len > 0) {
            const auto [indicator, fresh] =
                slotFor(m_foregroundIndicators, fg, kFirstForegroundIndicator, kForegroundIndicators);
            if (fresh)
                send(S::SCI_INDICSETFORE, indicator, sciColor(fg, Qt::black));
            send(S::SCI_SETINDICATORCURRENT, indicator);
            send(S::SCI_INDICATORFILLRANGE, start, len);
        }
        m_specialApplied[line] = {fg, bg};
    }
}

// ---- events from the view ------------------------------------------------

void TSynEdit::handleMousePress(QMouseEvent* event)
{
    if (OnMouseDown) {
        const QPoint p = m_view->mapTo(this, event->position().toPoint());
        OnMouseDown(event->button(), event->modifiers(), p.x(), p.y());
    }
}

void TSynEdit::handleContextMenu(const QPoint& globalPos)
{
    if (m_popup)
        m_popup->exec(globalPos);
}

bool TSynEdit::handleDrop(const QMimeData* mime)
{
    if (!mime->hasUrls() || !(m_options & eoDropFiles))
        return false;
    QStringList paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    if (!paths.isEmpty())
        emit filesDropped(paths);
    return true;
}
