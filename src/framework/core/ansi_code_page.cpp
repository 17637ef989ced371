// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ansi_code_page.h"

#include <QList>
#include <iterator>

namespace {

// Bytes 0x80 to 0x9F; the rest of the code page is Latin-1. The five
// bytes the code page leaves free stand for the control characters of the
// same number, so that they survive a round trip.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
constexpr unsigned kFirstHighControl = 0x80;
constexpr unsigned kFirstLatin1Letter = 0xA0;
constexpr unsigned kLastLatin1 = 0xFF;
constexpr char kUnknownCharacter = '?';

char AnsiByteOf(char32_t codePoint)
{
    if (codePoint < kFirstHighControl || (codePoint >= kFirstLatin1Letter && codePoint <= kLastLatin1))
        return char(codePoint);
    for (unsigned i = 0; i < std::size(kHighControls); ++i) {
        if (kHighControls[i] == codePoint)
            return char(kFirstHighControl + i);
    }
    return kUnknownCharacter;
}

} // namespace

QByteArray AfxToAnsi(const CString& text)
{
    QByteArray bytes;
    // By code point, so that a character outside the basic plane gives one "?".
    for (char32_t codePoint : text.toUcs4())
        bytes.append(AnsiByteOf(codePoint));
    return bytes;
}

CString AfxFromAnsi(const QByteArray& bytes)
{
    CString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const unsigned value = static_cast<unsigned char>(byte);
        const bool control = value >= kFirstHighControl && value < kFirstLatin1Letter;
        text.append(QChar(control ? kHighControls[value - kFirstHighControl] : char16_t(value)));
    }
    return text;
}
