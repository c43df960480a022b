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

private:
    static constexpr std::size_t kStyleSlice = 64 * 1024;
    void putStyle(char style, std::size_t count);
    void flushStyles();

    QsciScintillaBase* m_view;
    TSynCustomHighlighter* m_highlighter = nullptr;
    int m_initialRange = 0;
    std::vector<char> m_styles; // the slice being filled
    std::size_t m_used = 0;
};
