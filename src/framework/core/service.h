// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replaceable services: the one instance of an interface the program talks
// to for its sound, help, message boxes and resources. The instance
// installed is used when there is one, the service's default otherwise.
// A service that has a default says so by specializing CServiceDefault
// beside its interface; without one, none installed means null. Tests put
// their stand-ins in place for a scope with CServiceOverride.
#include <utility>

template <class T>
struct CServiceDefault {
    static T* Get() { return nullptr; }
};

template <class T>
class CService {
public:
    static T* Get()
    {
        T* installed = Installed();
        return installed ? installed : CServiceDefault<T>::Get();
    }
    // Installs an instance (not owned; null for the default) and returns
    // the one it replaces.
    static T* Install(T* instance) { return std::exchange(Installed(), instance); }

private:
    static T*& Installed()
    {
        static T* installed = nullptr;
        return installed;
    }
};

// Installs an instance for its own lifetime, then puts back the one it
// replaced.
template <class T>
class CServiceOverride {
public:
    explicit CServiceOverride(T* instance) : m_pReplaced(CService<T>::Install(instance)) {}
    ~CServiceOverride() { CService<T>::Install(m_pReplaced); }
    CServiceOverride(const CServiceOverride&) = delete;
    CServiceOverride& operator=(const CServiceOverride&) = delete;

private:
    T* m_pReplaced;
};
