#pragma once

#include <QObject>

#include <cstddef>
#include <vector>

class QsciScintillaBase;
class TSynCustomHighlighter;

// Colours a Scintilla document through one of our highlighters. Styles are
// the highlighter's attribute indexes + 1 (0 for unstyled text). The range
// at the end of each line is kept as Scintilla's line state, so styling
// resumes at any line with the state carried from the one before; Scintilla
// asks only from the first changed line to the end of what is shown.
//
// Long lines. Scintilla measures a changed line anew from its start, a
// segment of one style at a time, and QScintilla measures each segment with
// a QTextLayout (a key in an 850 KB line cost 360 ms). Only segments under
// 30 bytes come from its position cache. So in a line over LongLineBytes
// every run of one style is cut into short pieces at places its own bytes
// choose (an edit moves only the pieces around it), each piece in the style
// or one of its twins (style + TwinOffset or + 2 * TwinOffset, drawn alike),
// so that neighbours differ and stay apart; the position cache is made big
// enough to hold the line's pieces.
class SynStyler : public QObject {
    Q_OBJECT
public:
    explicit SynStyler(QsciScintillaBase* view);

    void setHighlighter(TSynCustomHighlighter* highlighter);
    // The document counts as unstyled again: what is shown is styled anew
    // when it is painted, the rest when it is reached. For a highlighter
    // whose rules (not colours) have changed.
    void restyle();
    // Styles from the first unstyled line through the line holding `position`.
    void styleNeeded(int position);

    static constexpr long LongLineBytes = 8 * 1024;
    static constexpr int TwinOffset = 64;
    // The highlighter's style (attribute index + 1) of a Scintilla style.
    static int baseStyle(int style) { return style % TwinOffset; }

private:
    static constexpr std::size_t kStyleSlice = 64 * 1024;
    void putStyle(char style, std::size_t count);
    void flushStyles();
    // The styles of one long line, cut into cached pieces (see above).
    void putLongLine(const char* text, std::size_t length);

    QsciScintillaBase* m_view;
    TSynCustomHighlighter* m_highlighter = nullptr;
    int m_initialRange = 0;
    std::vector<char> m_styles; // the slice being filled
    std::size_t m_used = 0;
    std::vector<char> m_lineStyles; // a long line's styles before cutting
    bool m_bigPositionCache = false;
};
