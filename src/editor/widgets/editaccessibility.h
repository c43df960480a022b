#pragma once

class EditView;

// What the edit controls' views give a screen reader. QScintilla's own
// accessible object counts the characters from the start of the document
// on every caret move and text change it hears of (12 ms a key at line
// 50,000 of a large file, whether or not anyone listens). So while no
// screen reader is active a view gets a plain accessible widget, and
// QScintilla's object only once one is: the views are told when that
// changes and drop the object they had.
namespace EditAccessibility {

// Called by each view once it is built.
void registerView(EditView* view);
bool screenReaderActive();

} // namespace EditAccessibility
