#pragma once

#include <string>
#include <string_view>

// The name before the dot just typed. The caret line, with a "." appended,
// is walked with the Java lexer up to the caret: the last identifier is the
// word right before the dot (Math in "Math."), the object name the
// identifier before the last "." (s in "s."; emptied by a number such as
// 1.5), and the qualifier the identifier before that object name's own dot
// (System in "System.out.").
// The names are the line's bytes.
struct MemberAccess {
    std::string lastIdentifier;
    std::string objectName;
    std::string qualifier;
};

// caretColumn is 1-based, in bytes of the line.
MemberAccess findMemberAccess(std::string_view caretLine, int caretColumn);
