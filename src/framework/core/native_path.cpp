// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/native_path.h"

#include <QDir>

#include <filesystem>
#include <system_error>

namespace {

// An invalid byte b stands in the path as the lone surrogate kEscapeBase + b.
constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kFirstEscape = kEscapeBase + 0x80;
constexpr char16_t kLastEscape = kEscapeBase + 0xFF;

constexpr unsigned char kLastAscii = 0x7F;
constexpr unsigned char kFirstContinuation = 0x80;
constexpr unsigned char kLastContinuation = 0xBF;
constexpr QChar kSeparator = u'/';

// Well-formed UTF-8 sequences by their first byte. The range of the second
// byte shuts out overlong forms (E0 80..9F, F0 80..8F), the surrogates
// U+D800 to U+DFFF (ED A0..BF) and code points past U+10FFFF (F4 90..BF);
// the lead bytes C0, C1 and F5 to FF start none.
struct SequenceForm {
    unsigned char firstLead;
    unsigned char lastLead;
    int length;
    unsigned char secondLow;
    unsigned char secondHigh;
};
constexpr SequenceForm kSequenceForms[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

bool Within(unsigned char byte, unsigned char low, unsigned char high)
{
    return byte >= low && byte <= high;
}

// The length of the well-formed sequence at bytes[at], 0 when none starts there.
int SequenceLength(const QByteArray& bytes, qsizetype at)
{
    const auto byteAt = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    if (byteAt(at) <= kLastAscii)
        return 1;
    for (const SequenceForm& form : kSequenceForms) {
        if (!Within(byteAt(at), form.firstLead, form.lastLead))
            continue;
        if (bytes.size() - at < form.length || !Within(byteAt(at + 1), form.secondLow, form.secondHigh))
            return 0;
        for (int i = 2; i < form.length; ++i) {
            if (!Within(byteAt(at + i), kFirstContinuation, kLastContinuation))
                return 0;
        }
        return form.length;
    }
    return 0;
}

// Whether the character at i stands for a byte: an escape that is not the
// second half of a surrogate pair.
bool IsEscapedByte(const CString& path, qsizetype i)
{
    const char16_t unit = path[i].unicode();
    return unit >= kFirstEscape && unit <= kLastEscape && (i == 0 || !path[i - 1].isHighSurrogate());
}

} // namespace

CString AfxDecodePath(const QByteArray& bytes)
{
    CString path;
    qsizetype runStart = 0;
    qsizetype at = 0;
    while (at < bytes.size()) {
        if (const int length = SequenceLength(bytes, at); length > 0) {
            at += length;
            continue;
        }
        path += QString::fromUtf8(bytes.constData() + runStart, at - runStart);
        path += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[at])));
        runStart = ++at;
    }
    return path + QString::fromUtf8(bytes.constData() + runStart, at - runStart);
}

QByteArray AfxEncodePath(const CString& path)
{
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (!IsEscapedByte(path, i))
            continue;
        bytes += QStringView(path).mid(runStart, i - runStart).toUtf8();
        bytes += char(path[i].unicode() - kEscapeBase);
        runStart = i + 1;
    }
    return bytes + QStringView(path).mid(runStart).toUtf8();
}

CString AfxDisplayPath(const CString& path)
{
    CString shown = path;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i].isHighSurrogate() && i + 1 < shown.size() && shown[i + 1].isLowSurrogate())
            ++i;
        else if (shown[i].isSurrogate())
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}

CString AfxAbsolutePath(const CString& path)
{
    if (path.isEmpty() || path.startsWith(kSeparator))
        return QDir::cleanPath(path);
    // Qt's current path is decoded as text, and would lose the folder's bytes.
    std::error_code error;
    const std::string folder = std::filesystem::current_path(error).native();
    if (error)
        return path;
    return QDir::cleanPath(AfxDecodePath(QByteArray::fromStdString(folder)) + kSeparator + path);
}

CString AfxFolderOf(const CString& path)
{
    // '/' is ASCII, so it never stands among the escaped bytes.
    const qsizetype slash = path.lastIndexOf(kSeparator);
    if (slash < 0)
        return QStringLiteral(".");
    return slash == 0 ? CString(kSeparator) : path.left(slash);
}
