// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A device context on the staff view's own window, which draws at once and
// is recorded like the view's painting when a recorder is set.
#include "views/staff/staff_view.h"

class CStaffWindowDC : public CClientDC {
public:
    explicit CStaffWindowDC(CStaffView* view) : CClientDC(view) { SetRecorder(view->DrawRecorder()); }
};
