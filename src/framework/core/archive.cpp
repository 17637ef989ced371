// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/archive.h"

#include "framework/ansi_code_page.h"

#include <QIODevice>
#include <QtEndian>

#include <algorithm>

namespace {

// Object reference tags.
constexpr std::uint16_t kNullTag = 0;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint32_t kBigClassTag = 0x80000000;
// An object takes its tag at the least.
constexpr qint64 kSmallestObjectSize = sizeof(std::uint16_t);
// A class name is shorter than this.
constexpr std::uint16_t kMaxClassNameLength = 64;

// Length prefixes of strings and counts.
constexpr std::uint8_t kByteLengthEnd = 0xFF;
constexpr std::uint16_t kWideCharacters = 0xFFFE;
constexpr std::uint16_t kWordLengthEnd = 0xFFFF;
constexpr std::uint32_t kShortStringLimit = 0xFF;
constexpr std::uint32_t kWordStringLimit = 0xFFFE;
constexpr std::uint32_t kWordCountLimit = 0xFFFF;

// What loading reads from the device at a time.
constexpr qsizetype kReadPiece = 64 * 1024;
constexpr int kWideCharacterSize = 2;

template <class T>
QByteArray LittleEndian(T value)
{
    QByteArray bytes(int(sizeof(T)), Qt::Uninitialized);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

} // namespace

void AfxThrowArchiveException(CArchiveException::Cause cause)
{
    throw CArchiveException(cause);
}

CArchive::CArchive(QIODevice* device, Mode mode) : m_device(device), m_mode(mode) {}

void CArchive::WriteBytes(const QByteArray& bytes)
{
    if (m_device->write(bytes) != bytes.size())
        AfxThrowArchiveException(CArchiveException::generic);
}

// Appends the device's next piece to what is left unread in the buffer.
void CArchive::FillReadBuffer()
{
    m_readBuffer.remove(0, m_readPosition);
    m_readPosition = 0;
    const qsizetype kept = m_readBuffer.size();
    m_readBuffer.resize(kept + kReadPiece);
    const qint64 got = m_device->read(m_readBuffer.data() + kept, kReadPiece);
    m_readBuffer.resize(kept + std::max<qint64>(got, 0));
    if (got < 0)
        AfxThrowArchiveException(CArchiveException::generic);
    if (got == 0)
        AfxThrowArchiveException(CArchiveException::endOfFile);
}

template <class T>
T CArchive::ReadLittleEndian()
{
    while (m_readBuffer.size() - m_readPosition < qsizetype(sizeof(T)))
        FillReadBuffer();
    const T value = qFromLittleEndian<T>(m_readBuffer.constData() + m_readPosition);
    m_readPosition += qsizetype(sizeof(T));
    return value;
}

// The bytes grow only as the device delivers them, so that a length no
// file can hold never asks for memory.
QByteArray CArchive::ReadBytes(std::uint64_t count)
{
    QByteArray bytes;
    while (std::uint64_t(bytes.size()) < count) {
        if (m_readPosition == m_readBuffer.size())
            FillReadBuffer();
        const auto piece = qsizetype(std::min<std::uint64_t>(count - std::uint64_t(bytes.size()),
                                                             std::uint64_t(m_readBuffer.size() - m_readPosition)));
        bytes.append(m_readBuffer.constData() + m_readPosition, piece);
        m_readPosition += piece;
    }
    return bytes;
}

CArchive& CArchive::operator<<(std::int32_t value)
{
    WriteBytes(LittleEndian(value));
    return *this;
}

CArchive& CArchive::operator<<(std::uint16_t value)
{
    WriteBytes(LittleEndian(value));
    return *this;
}

CArchive& CArchive::operator<<(std::uint32_t value)
{
    WriteBytes(LittleEndian(value));
    return *this;
}

CArchive& CArchive::operator>>(std::int32_t& value)
{
    value = ReadLittleEndian<std::int32_t>();
    return *this;
}

CArchive& CArchive::operator>>(std::uint16_t& value)
{
    value = ReadLittleEndian<std::uint16_t>();
    return *this;
}

CArchive& CArchive::operator>>(std::uint32_t& value)
{
    value = ReadLittleEndian<std::uint32_t>();
    return *this;
}

CArchive& CArchive::operator<<(const CString& text)
{
    const QByteArray bytes = AfxToAnsi(text);
    const auto length = std::uint32_t(bytes.size());
    if (length < kShortStringLimit) {
        WriteBytes(QByteArray(1, char(length)));
    } else if (length < kWordStringLimit) {
        WriteBytes(QByteArray(1, char(kByteLengthEnd)));
        *this << std::uint16_t(length);
    } else {
        WriteBytes(QByteArray(1, char(kByteLengthEnd)));
        *this << kWordLengthEnd << length;
    }
    WriteBytes(bytes);
    return *this;
}

std::uint64_t CArchive::ReadStringLength(bool* wideCharacters)
{
    *wideCharacters = false;
    auto byteLength = ReadLittleEndian<std::uint8_t>();
    if (byteLength < kByteLengthEnd)
        return byteLength;
    std::uint16_t wordLength = 0;
    *this >> wordLength;
    if (wordLength == kWideCharacters) {
        // Characters of two bytes; the length follows again in full.
        *wideCharacters = true;
        byteLength = ReadLittleEndian<std::uint8_t>();
        if (byteLength < kByteLengthEnd)
            return byteLength;
        *this >> wordLength;
    }
    if (wordLength < kWordLengthEnd)
        return wordLength;
    std::uint32_t length = 0;
    *this >> length;
    return length;
}

CArchive& CArchive::operator>>(CString& text)
{
    bool wideCharacters = false;
    const std::uint64_t length = ReadStringLength(&wideCharacters);
    if (length > m_nLongestString)
        AfxThrowArchiveException(CArchiveException::badValue);
    if (!wideCharacters) {
        text = AfxFromAnsi(ReadBytes(length));
        return *this;
    }
    const QByteArray bytes = ReadBytes(length * kWideCharacterSize);
    CString wide(qsizetype(length), Qt::Uninitialized);
    for (qsizetype i = 0; i < wide.size(); ++i)
        wide[i] = QChar(qFromLittleEndian<char16_t>(bytes.constData() + i * kWideCharacterSize));
    // The text is kept as the code page of the file holds it.
    text = AfxFromAnsi(AfxToAnsi(wide));
    return *this;
}

void CArchive::WriteCount(std::uint32_t count)
{
    if (count < kWordCountLimit) {
        *this << std::uint16_t(count);
        return;
    }
    *this << std::uint16_t(kWordCountLimit) << count;
}

std::uint32_t CArchive::ReadCount()
{
    std::uint16_t wordCount = 0;
    *this >> wordCount;
    std::uint32_t count = wordCount;
    if (wordCount == kWordCountLimit)
        *this >> count;
    if (count > m_nLongestList)
        AfxThrowArchiveException(CArchiveException::badValue);
    return count;
}

void CArchive::SetLoadLimits(std::uint64_t longestString, std::uint32_t longestList)
{
    m_nLongestString = longestString;
    m_nLongestList = longestList;
}

std::size_t CArchive::ReserveObjects(std::uint32_t count)
{
    const qint64 bytesLeft = m_readBuffer.size() - m_readPosition + m_device->bytesAvailable();
    const auto room = std::size_t(std::min<qint64>(count, bytesLeft / kSmallestObjectSize));
    m_loaded.reserve(m_loaded.size() + room);
    return room;
}

void CArchive::WriteClass(const CRuntimeClass& runtimeClass)
{
    const auto known = m_storedClasses.find(&runtimeClass);
    if (known == m_storedClasses.end()) {
        const QByteArray name(runtimeClass.m_lpszClassName);
        *this << kNewClassTag << std::uint16_t(runtimeClass.m_wSchema) << std::uint16_t(name.size());
        WriteBytes(name);
        m_storedClasses[&runtimeClass] = m_nMapCount++;
    } else if (known->second < kBigObjectTag) {
        *this << std::uint16_t(kClassTag | known->second);
    } else {
        *this << kBigObjectTag << std::uint32_t(kBigClassTag | known->second);
    }
}

void CArchive::WriteObject(CObject& object)
{
    const CRuntimeClass* runtimeClass = object.GetRuntimeClass();
    if (!runtimeClass)
        AfxThrowArchiveException(CArchiveException::badClass);
    WriteClass(*runtimeClass);
    ++m_nMapCount;
    object.Serialize(*this);
}

const CRuntimeClass* CArchive::ReadNewClass(const CRuntimeClass& wanted)
{
    std::uint16_t schema = 0;
    std::uint16_t nameLength = 0;
    *this >> schema >> nameLength;
    if (nameLength >= kMaxClassNameLength)
        AfxThrowArchiveException(CArchiveException::badClass);
    if (ReadBytes(nameLength) != QByteArray(wanted.m_lpszClassName))
        AfxThrowArchiveException(CArchiveException::badClass);
    if (schema != wanted.m_wSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    m_loaded.push_back({&wanted, nullptr});
    return &wanted;
}

CArchive::CObjectRead CArchive::ReadObject(const CRuntimeClass& wanted)
{
    std::uint16_t tag = 0;
    *this >> tag;
    std::uint32_t number = 0;
    if (tag == kBigObjectTag)
        *this >> number;
    else
        number = std::uint32_t(tag & kClassTag) << 16 | std::uint32_t(tag & ~kClassTag);

    CObjectRead read;
    if (!(number & kBigClassTag)) {
        // A reference to an object read before, or the null object.
        if (number == kNullTag)
            return read;
        if (number >= m_loaded.size() || !m_loaded[number].object)
            AfxThrowArchiveException(CArchiveException::badIndex);
        read.earlier = m_loaded[number].object;
        return read;
    }

    const CRuntimeClass* runtimeClass = nullptr;
    if (tag == kNewClassTag) {
        runtimeClass = ReadNewClass(wanted);
    } else {
        const std::uint32_t classNumber = number & ~kBigClassTag;
        if (classNumber >= m_loaded.size() || !m_loaded[classNumber].runtimeClass)
            AfxThrowArchiveException(CArchiveException::badIndex);
        runtimeClass = m_loaded[classNumber].runtimeClass;
    }
    read.created = runtimeClass->m_pfnCreateObject();
    m_loaded.push_back({nullptr, read.created.get()});
    read.created->Serialize(*this);
    return read;
}
