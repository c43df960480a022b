#pragma once

#include "generators/javasnippets.h"

#include <QSize>
#include <QStringList>

class GeneratorHost;
class QDialog;

// The steps every generator takes: writing into the active editor as one
// undo step, and giving its dialog its shape.
namespace GeneratorCommands {

// Writes the pieces at the caret in turn (the first replaces the
// selection), all of it one undo step. False, with nothing written, when no
// editor window is open.
bool insertPieces(GeneratorHost& host, const QStringList& pieces);

// A snippet of the Insert menu: the selection goes, the snippet is written
// with the caret line's indentation, the caret goes where the name is typed.
void insertSnippet(GeneratorHost& host, JavaSnippets::Snippet snippet);

// A generator dialog: modal to its parent window, not resizable, at least
// `start` in size and as large as its layout needs, centred on the screen.
// Called once its layout is complete.
void shapeDialog(QDialog& dialog, QSize start);

} // namespace GeneratorCommands
