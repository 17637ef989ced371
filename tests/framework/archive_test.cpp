// The archive's bytes: integers, the three string forms and the form of
// two-byte characters, counts, and object references with their tags.
#include "framework/ansi_code_page.h"
#include "framework/archive.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

// Two serializable classes of a test document.
template <const char* Name>
class CPoint2 : public CObject {
public:
    CPoint2() = default;
    CPoint2(int x, int y) : m_x(x), m_y(y) {}
    static const CRuntimeClass* GetThisClass()
    {
        static const CRuntimeClass runtimeClass = {Name, 0, [] { return std::unique_ptr<CObject>(new CPoint2()); }};
        return &runtimeClass;
    }
    const CRuntimeClass* GetRuntimeClass() const override { return GetThisClass(); }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_x << m_y;
        else
            ar >> m_x >> m_y;
    }
    int m_x = 0;
    int m_y = 0;
};
constexpr char kPointName[] = "CPoint";
constexpr char kOtherName[] = "COther";
using CPointRecord = CPoint2<kPointName>;
using COtherRecord = CPoint2<kOtherName>;

template <class Write>
QByteArray Stored(Write write)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    write(ar);
    return buffer.data();
}

QByteArray Hex(const char* hex)
{
    return QByteArray::fromHex(hex);
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

CObjectList<CPointRecord> ReadPoints(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::load);
    CObjectList<CPointRecord> list;
    SerializeObjectList(ar, list);
    return list;
}

TEST(Archive, StringsTakeTheShortestLengthFormAndOneBytePerCharacter)
{
    const struct {
        CString text;
        QByteArray prefix;
    } cases[] = {
        {"", Hex("00")},
        {"abc", Hex("03")},
        {CString(254, 'a'), Hex("fe")},
        {CString(255, 'a'), Hex("ffff00")},
        {CString(65533, 'a'), Hex("fffdff")},
        {CString(65534, 'a'), Hex("ffffffFEFF0000")},
    };
    for (const auto& c : cases) {
        const QByteArray bytes = Stored([&](CArchive& ar) { ar << c.text; });
        EXPECT_EQ(bytes, c.prefix + AfxToAnsi(c.text)) << c.text.size();
        EXPECT_EQ(ReadString(bytes), c.text) << c.text.size();
    }
}

TEST(Archive, TextIsInTheWindows1252CodePageWithQuestionMarksForTheRest)
{
    const CString text = QString::fromUtf8("Élégie € „Dvořák“ 日本 \U0001F3BB");
    const QByteArray bytes = Stored([&](CArchive& ar) { ar << text; });
    EXPECT_EQ(bytes, Hex("16") + QByteArray("\xC9l\xE9gie \x80 \x84" "Dvo?\xE1k\x93 ?? ?"));
    EXPECT_EQ(ReadString(bytes), QString::fromUtf8("Élégie € „Dvo?ák“ ?? ?"));
}

TEST(Archive, ReadsEveryLengthFormAndStringsOfTwoByteCharacters)
{
    const struct {
        const char* hex;
        CString text;
    } cases[] = {
        {"ffffff03000000616263", "abc"},                          // 4-byte length
        {"ff0300616263", "abc"},                                  // 2-byte length, short text
        {"fffeff0341004200e900", QString::fromUtf8("ABé")},       // two-byte characters
        {"fffeffff02004100e565", QString::fromUtf8("A?")},      // ... with a 2-byte length; 日 has no byte
        {"fffeffffffff0100000041 00", "A"},                       // ... with a 4-byte length
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadString(QByteArray::fromHex(QByteArray(c.hex).replace(' ', ""))), c.text) << c.hex;
}

TEST(Archive, CountsBelow65535TakeTwoBytesAndLargerOnesSix)
{
    EXPECT_EQ(Stored([](CArchive& ar) { ar.WriteCount(65534); }), Hex("feff"));
    EXPECT_EQ(Stored([](CArchive& ar) { ar.WriteCount(65535); }), Hex("ffffffff0000"));
    EXPECT_EQ(Stored([](CArchive& ar) { ar.WriteCount(70000); }), Hex("ffff70110100"));
}

TEST(Archive, ObjectListNamesTheClassOnceThenRefersToItsNumber)
{
    CObjectList<CPointRecord> points;
    points.push_back(std::make_unique<CPointRecord>(1, -1));
    points.push_back(std::make_unique<CPointRecord>(2, 3));
    const QByteArray bytes = Stored([&](CArchive& ar) { SerializeObjectList(ar, points); });
    EXPECT_EQ(bytes, Hex("0200" "ffff" "0000" "0600") + "CPoint" + Hex("01000000ffffffff" "0180" "0200000003000000"));

    const CObjectList<CPointRecord> read = ReadPoints(bytes);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1]->m_x, 2);
    EXPECT_EQ(read[1]->m_y, 3);
}

TEST(Archive, NumbersFrom0x7FFFOnTakeTheFourByteTag)
{
    // 1 is the first class, 2 to 0x7FFF the points; the other class gets
    // 0x8000 and its second object names it in the four-byte form.
    CObjectList<CPointRecord> points;
    for (int i = 2; i <= 0x7FFF; ++i)
        points.push_back(std::make_unique<CPointRecord>(i, 0));
    COtherRecord other;
    const QByteArray bytes = Stored([&](CArchive& ar) {
        SerializeObjectList(ar, points);
        ar.WriteObject(other);
        ar.WriteObject(other);
    });
    EXPECT_EQ(bytes.right(34), Hex("ffff00000600") + "COther" + Hex("0000000000000000") +
                                                    Hex("ff7f00800080") + Hex("0000000000000000"));
}

TEST(Archive, ReadsFourByteTagsAndBackReferencesAsCopies)
{
    const QByteArray newClass = Hex("ffff00000600") + "CPoint";
    // Record 2 new; record 3 by a four-byte class tag; then references to
    // record 2 in both forms.
    const QByteArray bytes = Hex("0400") + newClass + Hex("0700000008000000") +
                             Hex("ff7f01000080") + Hex("0900000000000000") + Hex("0200") + Hex("ff7f02000000");
    const CObjectList<CPointRecord> read = ReadPoints(bytes);
    ASSERT_EQ(read.size(), 4u);
    EXPECT_EQ(read[1]->m_x, 9);
    for (size_t i : {size_t(2), size_t(3)}) {
        EXPECT_NE(read[i].get(), read[0].get());
        EXPECT_EQ(read[i]->m_x, 7);
        EXPECT_EQ(read[i]->m_y, 8);
    }
}

TEST(Archive, RefusesWhatNoWriterOfTheListProduces)
{
    const QByteArray newClass = Hex("ffff00000600") + "CPoint" + Hex("0000000000000000");
    const struct {
        const char* why;
        QByteArray bytes;
        CArchiveException::Cause cause;
    } cases[] = {
        {"ends in a record", Hex("0100") + newClass.left(newClass.size() - 1), CArchiveException::endOfFile},
        {"unknown class", Hex("0100ffff00000600") + "CPoinT" + Hex("0000000000000000"), CArchiveException::badClass},
        {"name of 64", Hex("0100ffff00004000") + QByteArray(64, 'C'), CArchiveException::badClass},
        {"schema 1", Hex("0100ffff01000600") + "CPoint" + Hex("0000000000000000"), CArchiveException::badSchema},
        {"null record", Hex("0100" "0000"), CArchiveException::badClass},
        {"reference ahead", Hex("0200") + newClass + Hex("0300"), CArchiveException::badIndex},
        {"class tag of a record", Hex("0200") + newClass + Hex("0280"), CArchiveException::badIndex},
        {"record tag of a class", Hex("0200") + newClass + Hex("0100"), CArchiveException::badIndex},
        {"class 0", Hex("0100" "0080"), CArchiveException::badIndex},
    };
    for (const auto& c : cases) {
        try {
            ReadPoints(c.bytes);
            ADD_FAILURE() << c.why << ": read";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, c.cause) << c.why;
        }
    }
}

} // namespace
