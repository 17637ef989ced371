// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The common base of the program's model objects, and the owning list
// type: removing an element from a list deletes it.
#include <memory>
#include <vector>

class CArchive;
struct CRuntimeClass;

class CObject {
public:
    virtual ~CObject() = default;
    // The class an archive names for the object; none for objects that
    // are not stored in archives.
    virtual const CRuntimeClass* GetRuntimeClass() const { return nullptr; }
    // Writes or reads the object's own data.
    virtual void Serialize(CArchive&) {}
};

template <class T>
using CObjectList = std::vector<std::unique_ptr<T>>;
