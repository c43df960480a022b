// What a backup of a document holds: the bytes its save would write, in
// its own encoding.
#include "editor/documentimage.h"

#include <gtest/gtest.h>

namespace {

TEST(DocumentImage, TheBytesASaveWritesInTheDocumentsEncoding)
{
    const struct {
        const char* name;
        DocumentImage image;
        QByteArray bytes;
        TextEncoding encoding;
    } cases[] = {
        {"UTF-8 with its mark and a final CR LF", {"caf\xC3\xA9\r\nx", TextEncoding::Utf8, true, "\r\n"},
         "\xEF\xBB\xBF" "caf\xC3\xA9\r\nx\r\n", TextEncoding::Utf8},
        {"Windows-1252", {"caf\xC3\xA9 \xE2\x82\xAC\n", TextEncoding::Windows1252, false, {}}, "caf\xE9 \x80\n",
         TextEncoding::Windows1252},
        {"ISO-8859-15", {"\xE2\x82\xAC", TextEncoding::Latin9, false, "\n"}, "\xA4\n", TextEncoding::Latin9},
        // Never a "?" for a character the encoding lacks: the text stays whole.
        {"8-bit holding a character it cannot", {"\xE2\x9C\x93 ok", TextEncoding::Latin1, false, "\n"},
         "\xE2\x9C\x93 ok\n", TextEncoding::Utf8},
        {"empty", {}, {}, TextEncoding::Utf8},
    };
    for (const auto& c : cases) {
        const FileImage file = fileImage(c.image);
        EXPECT_EQ(file.bytes, c.bytes) << c.name;
        EXPECT_EQ(file.encoding, c.encoding) << c.name;
    }
}

} // namespace
