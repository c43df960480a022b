#pragma once

#include "editor/textencoding.h"

#include <QByteArray>

// A file's bytes with the encoding they are in.
struct FileImage {
    QByteArray bytes;
    TextEncoding encoding = TextEncoding::Utf8;
};

// A document's text as the edit control holds it (UTF-8, the file's line
// ends) with what a save adds to it: taken on the user-interface thread in
// one copy, and turned into the file's bytes (fileImage) wherever that
// costs the user nothing.
struct DocumentImage {
    QByteArray utf8;
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false; // UTF-8 only
    QByteArray finalBreak;      // the file's last line break, when it has one
};

// The bytes a save writes for the image, in the document's encoding. Text
// an 8-bit encoding cannot hold (the edit control lets none in, but a copy
// must lose nothing) keeps the whole text in UTF-8 instead.
FileImage fileImage(const DocumentImage& image);

