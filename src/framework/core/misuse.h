// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Programming errors the framework survives: a dialog exchanging data with
// a control it does not have, an unknown dialog template or window class,
// the text of a control a dialog does not have. Each one is reported; a
// release build then carries on with a harmless fallback, a debug build
// stops. Tests install a handler that turns each report into a failure.
#include "framework/service.h"
#include "framework/types.h"

class CMisuseHandler {
public:
    virtual ~CMisuseHandler() = default;
    virtual void OnMisuse(const CString& what) = 0;
};

// Hands the error to the handler installed; with none, it is logged under
// the category "voldrim.framework" and a debug build stops.
void AfxReportMisuse(const CString& what);
