// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An archive: what a document writes to a file and reads back, as bytes.
// Integers are little-endian; strings carry a length prefix in one of
// three forms and one byte per character; an object carries the name of
// its class the first time the class appears and its number afterwards,
// so a reader can create the object again.
#include "framework/object.h"
#include "framework/types.h"

#include <QByteArray>
#include <cstdint>
#include <exception>
#include <map>
#include <memory>
#include <vector>

class QIODevice;

// A class whose objects an archive stores and creates again.
struct CRuntimeClass {
    const char* m_lpszClassName;
    UINT m_wSchema;
    std::unique_ptr<CObject> (*m_pfnCreateObject)();
};

class CArchiveException : public std::exception {
public:
    enum Cause {
        generic,    // the device failed to read or write
        endOfFile,  // the file ends before what it announces
        badClass,   // a class name the reader does not know, or an object of another class
        badSchema,  // a class stored with another schema number
        badIndex,   // a number that names nothing read so far
        badValue,   // a value the document cannot hold
    };
    explicit CArchiveException(Cause cause) : m_cause(cause) {}
    const char* what() const noexcept override { return "archive exception"; }
    Cause m_cause;
};

[[noreturn]] void AfxThrowArchiveException(CArchiveException::Cause cause);

class CArchive {
public:
    enum Mode { store, load };
    // The device is opened by the caller and outlives the archive.
    CArchive(QIODevice* device, Mode mode);

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    // What loading accepts at the most: a longer string or a list of more
    // elements is a bad value, refused before anything is read for it.
    // Without limits the file's size is the only bound.
    void SetLoadLimits(std::uint64_t longestString, std::uint32_t longestList);

    CArchive& operator<<(std::int32_t value);
    CArchive& operator>>(std::int32_t& value);
    CArchive& operator<<(std::uint16_t value);
    CArchive& operator>>(std::uint16_t& value);
    CArchive& operator<<(std::uint32_t value);
    CArchive& operator>>(std::uint32_t& value);
    CArchive& operator<<(const CString& text);
    CArchive& operator>>(CString& text);

    // The element count of a list: 2 bytes, or 0xFFFF and 4 bytes.
    void WriteCount(std::uint32_t count);
    std::uint32_t ReadCount();

    // Makes room for the objects of a list of this count, as many as the
    // rest of the device can hold, and returns how many that is: a damaged
    // count asks for no more memory than the file's size allows.
    std::size_t ReserveObjects(std::uint32_t count);

    // The object's class (by name the first time, by number afterwards),
    // then the object's own data.
    void WriteObject(CObject& object);

    // An object reference read back: a new object of the wanted class
    // (the caller owns it), an object read before, or none (a null tag).
    struct CObjectRead {
        std::unique_ptr<CObject> created;
        const CObject* earlier = nullptr;
    };
    // Reads one object reference. The only class it can create is the
    // wanted one; any other class name is a bad class.
    CObjectRead ReadObject(const CRuntimeClass& wanted);

private:
    void WriteBytes(const QByteArray& bytes);
    QByteArray ReadBytes(std::uint64_t count);
    template <class T>
    T ReadLittleEndian();
    void FillReadBuffer();
    void WriteClass(const CRuntimeClass& runtimeClass);
    const CRuntimeClass* ReadNewClass(const CRuntimeClass& wanted);
    std::uint64_t ReadStringLength(bool* wideCharacters);

    // What a number of the archive stands for while loading: a class or
    // an object (index 0, the null object, stands for neither).
    struct CLoaded {
        const CRuntimeClass* runtimeClass = nullptr;
        const CObject* object = nullptr;
    };

    QIODevice* m_device;
    Mode m_mode;
    std::uint64_t m_nLongestString = UINT64_MAX;
    std::uint32_t m_nLongestList = UINT32_MAX;
    // Loading reads the device a piece at a time and takes each field from
    // here, so a field costs no call on the device and no copy of its own.
    QByteArray m_readBuffer;
    qsizetype m_readPosition = 0;
    // Numbers given so far; 0 is the null object.
    std::uint32_t m_nMapCount = 1;
    std::map<const CRuntimeClass*, std::uint32_t> m_storedClasses;
    std::vector<CLoaded> m_loaded{CLoaded()};
};

// Stores or loads an owning list of objects of class T (which names its
// class with a static GetThisClass). A loaded reference to an earlier
// record adds a copy of it; a null reference or an object of another
// class is a bad class, since the list holds only records of T.
template <class T>
void SerializeObjectList(CArchive& ar, CObjectList<T>& list)
{
    if (ar.IsStoring()) {
        ar.WriteCount(std::uint32_t(list.size()));
        for (const auto& element : list)
            ar.WriteObject(*element);
        return;
    }
    const std::uint32_t count = ar.ReadCount();
    list.reserve(list.size() + ar.ReserveObjects(count));
    for (std::uint32_t i = 0; i < count; ++i) {
        CArchive::CObjectRead read = ar.ReadObject(*T::GetThisClass());
        if (auto* created = dynamic_cast<T*>(read.created.get())) {
            read.created.release();
            list.emplace_back(created);
        } else if (auto* earlier = dynamic_cast<const T*>(read.earlier)) {
            list.push_back(std::make_unique<T>(*earlier));
        } else {
            AfxThrowArchiveException(CArchiveException::badClass);
        }
    }
}
