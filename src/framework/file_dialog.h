// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file dialogs of File Open and File Save As. They are a service that
// tests replace to choose the file themselves.
#include "framework/service.h"
#include "framework/types.h"

class QWidget;

struct CFileDialogRequest {
    bool m_bOpen = true;     // Open, or else Save As
    CString m_strFileName;   // the name proposed to Save As
    CString m_strFilter;     // "Melodies (*.ext)", or several such filters separated by ";;"
    CString m_strDefExt;     // added to a name typed without one, without the dot
    // When set, receives the filter the file was chosen under; the extension
    // added to a name typed without one then follows the filter.
    CString* m_pChosenFilter = nullptr;
};

class CFileDialogService {
public:
    virtual ~CFileDialogService() = default;
    // The file the user chose; empty when the dialog was cancelled.
    virtual CString ChooseFile(const CFileDialogRequest& request, QWidget* parent) = 0;
};

// Qt's file dialogs are the default.
template <>
struct CServiceDefault<CFileDialogService> {
    static CFileDialogService* Get();
};

// The service in use.
inline CFileDialogService* AfxGetFileDialogService() { return CService<CFileDialogService>::Get(); }
