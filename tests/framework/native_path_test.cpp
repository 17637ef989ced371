// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File names as bytes: whatever a name holds comes back byte for byte, and
// only what is not well-formed UTF-8 is kept as escapes.
#include "framework/native_path.h"

#include <gtest/gtest.h>

namespace {

// The character that stands for an invalid byte.
QString Escaped(std::initializer_list<int> bytes)
{
    QString escapes;
    for (int byte : bytes)
        escapes += QChar(char16_t(0xDC00 + byte));
    return escapes;
}

std::string Hex(const QByteArray& bytes)
{
    return bytes.toHex(' ').toStdString();
}

TEST(NativePath, EveryNameComesBackByteForByte)
{
    const QString replacement(QChar::ReplacementCharacter);
    const struct {
        const char* what;
        QByteArray bytes;
        QString path;
        QString shown;
    } cases[] = {
        {"plain", "tune.vdm", "tune.vdm", "tune.vdm"},
        {"two-byte letters", "\xC3\x89l\xC3\xA9gie", QString::fromUtf8("Élégie"), QString::fromUtf8("Élégie")},
        {"a four-byte character, a surrogate pair", "\xF0\x9F\x8E\xBB.vdm", QString::fromUtf8("🎻.vdm"),
         QString::fromUtf8("🎻.vdm")},
        // U+1F480 is the pair D83D DC80, whose second half is no escape.
        {"a pair whose second half looks like an escape", "\xF0\x9F\x92\x80", QString::fromUtf8("\xF0\x9F\x92\x80"),
         QString::fromUtf8("\xF0\x9F\x92\x80")},
        {"the edges of UTF-8", "\xC2\x80|\xED\x9F\xBF|\xEE\x80\x80|\xEF\xBF\xBF|\xF4\x8F\xBF\xBF",
         QString::fromUtf8("\xC2\x80|\xED\x9F\xBF|\xEE\x80\x80|\xEF\xBF\xBF|\xF4\x8F\xBF\xBF"),
         QString::fromUtf8("\xC2\x80|\xED\x9F\xBF|\xEE\x80\x80|\xEF\xBF\xBF|\xF4\x8F\xBF\xBF")},
        {"lone 0xFF", "\xFF", Escaped({0xFF}), replacement},
        {"the issue's name", "bad-\xFF\xFE-name.vdm", "bad-" + Escaped({0xFF, 0xFE}) + "-name.vdm",
         "bad-" + replacement + replacement + "-name.vdm"},
        {"a sequence cut short by a letter", "\xE2\x82" "A", Escaped({0xE2, 0x82}) + "A",
         replacement + replacement + "A"},
        {"a sequence cut short by the end", "a\xF0\x9F\x8E", "a" + Escaped({0xF0, 0x9F, 0x8E}),
         "a" + replacement + replacement + replacement},
        {"a lone continuation byte", "\x80", Escaped({0x80}), replacement},
        // An overlong '/' must not become a folder separator.
        {"overlong two bytes", "a\xC0\xAF" "b", "a" + Escaped({0xC0, 0xAF}) + "b",
         "a" + replacement + replacement + "b"},
        {"overlong three bytes", "\xE0\x80\xAF", Escaped({0xE0, 0x80, 0xAF}), replacement.repeated(3)},
        {"overlong four bytes", "\xF0\x80\x80\xAF", Escaped({0xF0, 0x80, 0x80, 0xAF}), replacement.repeated(4)},
        {"a surrogate's encoding, ED A0 80", "\xED\xA0\x80", Escaped({0xED, 0xA0, 0x80}), replacement.repeated(3)},
        // Taken as U+DC80, it would read as the escape of byte 0x80.
        {"an escape's own encoding, ED B2 80", "\xED\xB2\x80", Escaped({0xED, 0xB2, 0x80}),
         replacement.repeated(3)},
        {"past U+10FFFF", "\xF4\x90\x80\x80", Escaped({0xF4, 0x90, 0x80, 0x80}), replacement.repeated(4)},
        {"lead byte F5", "\xF5\x80\x80\x80", Escaped({0xF5, 0x80, 0x80, 0x80}), replacement.repeated(4)},
        {"a valid character after an invalid byte", "\xFF\xC3\xA9", Escaped({0xFF}) + QString::fromUtf8("é"),
         replacement + QString::fromUtf8("é")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = AfxDecodePath(c.bytes);
        EXPECT_EQ(path, c.path);
        EXPECT_EQ(Hex(AfxEncodePath(path)), Hex(c.bytes));
        EXPECT_EQ(AfxDisplayPath(path), c.shown);
    }
}

TEST(NativePath, EachHighByteAloneIsKeptAsItsEscape)
{
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        SCOPED_TRACE(byte);
        const QByteArray bytes = QByteArray("a") + char(byte) + "z";
        const QString path = AfxDecodePath(bytes);
        EXPECT_EQ(path, "a" + Escaped({byte}) + "z");
        EXPECT_EQ(AfxEncodePath(path), bytes);
    }
}

} // namespace
