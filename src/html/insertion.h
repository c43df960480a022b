#pragma once

#include <QString>

#include <optional>

// Where the caret goes after generated text was written at it. Y and X are
// the caret's line and column right after the text.
struct CaretMove {
    enum class Column { FromCaret, Absolute };
    int lineDelta = 0;               // added to Y
    Column rule = Column::FromCaret; // FromCaret: X + column; Absolute: column
    int column = 0;
};

// Generated text for the caret, its lines separated by a lone CR (the edit
// control makes line breaks of it), and where the caret goes afterwards.
struct Insertion {
    QString text;
    std::optional<CaretMove> caret;
};

// The separator of generated lines.
inline const QString CR = QStringLiteral("\r");
