#pragma once
// The common base of the program's model objects, and the owning list
// type: removing an element from a list deletes it.
#include <memory>
#include <vector>

class CObject {
public:
    virtual ~CObject() = default;
};

template <class T>
using CObjectList = std::vector<std::unique_ptr<T>>;
