// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The archive's forms that melody files do not reach: long strings, text
// outside the code page, large counts and four-byte class tags.
#include "framework/ansi_code_page.h"
#include "framework/archive.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include <optional>

namespace {

// A serializable class of a test document, one per name.
template <const char* Name>
class CRecord : public CObject {
public:
    static const CRuntimeClass* GetThisClass()
    {
        static const CRuntimeClass runtimeClass = {Name, 0, [] { return std::unique_ptr<CObject>(new CRecord()); }};
        return &runtimeClass;
    }
    const CRuntimeClass* GetRuntimeClass() const override { return GetThisClass(); }
    void Serialize(CArchive& ar) override { ar.IsStoring() ? ar << m_n : ar >> m_n; }
    int m_n = 0;
};
constexpr char kFirstName[] = "CFirst";
constexpr char kSecondName[] = "CSecond";

template <class Write>
QByteArray Stored(Write write)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    write(ar);
    return buffer.data();
}

CString ReadString(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::load);
    CString text;
    ar >> text;
    EXPECT_TRUE(buffer.atEnd());
    return text;
}

TEST(Archive, StringsTakeTheShortestLengthFormAndOneBytePerCharacter)
{
    const struct {
        CString text;
        const char* prefix;
    } cases[] = {
        {CString(254, 'a'), "fe"},
        {CString(255, 'a'), "ffff00"},
        {CString(65533, 'a'), "fffdff"},
        {CString(65534, 'a'), "fffffffeff0000"},
        {QString::fromUtf8("€„Dvořák“ 日\U0001F3BB"), "0c"},
    };
    for (const auto& c : cases) {
        const QByteArray bytes = Stored([&](CArchive& ar) { ar << c.text; });
        EXPECT_EQ(bytes.left(bytes.size() - AfxToAnsi(c.text).size()).toHex(), c.prefix) << c.text.size();
        EXPECT_EQ(ReadString(bytes), AfxFromAnsi(AfxToAnsi(c.text))) << c.text.size();
    }
    EXPECT_EQ(AfxToAnsi(cases[4].text), "\x80\x84" "Dvo?\xE1k\x93 ??");
}

TEST(Archive, ReadsFourByteLengthsAndTwoByteCharactersInEveryLengthForm)
{
    EXPECT_EQ(ReadString(QByteArray::fromHex("ffffff03000000616263")), "abc");
    EXPECT_EQ(ReadString(QByteArray::fromHex("fffeffff02004100e565")), "A?");
    EXPECT_EQ(ReadString(QByteArray::fromHex("fffeffffffff010000004100")), "A");
}

TEST(Archive, LargeCountsAndNumbersFrom0x7FFFTakeFourBytes)
{
    EXPECT_EQ(Stored([](CArchive& ar) { ar.WriteCount(65534); }).toHex(), "feff");
    EXPECT_EQ(Stored([](CArchive& ar) { ar.WriteCount(65535); }).toHex(), "ffffffff0000");

    // 1 is the first class and 2 to 0x7FFF its records; the second class
    // gets 0x8000, and its second record names it in the four-byte form.
    CObjectList<CRecord<kFirstName>> first(0x7FFE);
    for (auto& record : first)
        record = std::make_unique<CRecord<kFirstName>>();
    CRecord<kSecondName> second;
    const QByteArray bytes = Stored([&](CArchive& ar) {
        SerializeObjectList(ar, first);
        ar.WriteObject(second);
        ar.WriteObject(second);
    });
    EXPECT_EQ(bytes.right(13 + 4 + 6 + 4).toHex(), "ffff00000700" + QByteArray("CSecond").toHex() +
                                                       "00000000" "ff7f00800080" "00000000");
}

// Reads the bytes with the reader; the cause it failed with, if it did.
template <class Read>
std::optional<CArchiveException::Cause> LoadFailure(const QByteArray& bytes, Read read)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::load);
    try {
        read(ar);
        return std::nullopt;
    } catch (const CArchiveException& exception) {
        return exception.m_cause;
    }
}

TEST(Archive, AFieldAcrossTheDevicesReadPiecesComesBackWholeOrEndsTheFile)
{
    // The device is read 64 KiB at a time; titles of these lengths put the
    // number after them before, across and right at that border.
    constexpr int kPiece = 64 * 1024;
    constexpr std::int32_t kNumber = 0x01020304;
    for (int length : {kPiece - 8, kPiece - 6, kPiece - 5, kPiece - 4, kPiece - 3}) {
        const QByteArray bytes = Stored([&](CArchive& ar) { ar << CString(length, 'a') << kNumber; });
        CString text;
        std::int32_t number = 0;
        auto read = [&](CArchive& ar) { ar >> text >> number; };
        EXPECT_EQ(LoadFailure(bytes.chopped(1), read), CArchiveException::endOfFile) << length;
        EXPECT_EQ(LoadFailure(bytes, read), std::nullopt) << length;
        EXPECT_EQ(text, CString(length, 'a'));
        EXPECT_EQ(number, kNumber) << length;
    }
}

TEST(Archive, AListCountBeyondTheFileEndsTheFileWithoutAskingForItsMemory)
{
    CObjectList<CRecord<kFirstName>> list;
    const QByteArray bytes = QByteArray::fromHex("ffffffffffff ffff00000600") + "CFirst";
    EXPECT_EQ(LoadFailure(bytes, [&](CArchive& ar) { SerializeObjectList(ar, list); }), CArchiveException::endOfFile);
    EXPECT_LT(list.capacity(), 64u);
}

} // namespace
