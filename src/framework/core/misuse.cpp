// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/misuse.h"

#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcFramework, "voldrim.framework")
}

void AfxReportMisuse(const CString& what)
{
    if (CMisuseHandler* handler = CService<CMisuseHandler>::Get()) {
        handler->OnMisuse(what);
        return;
    }
    qCCritical(lcFramework).noquote() << what;
    Q_ASSERT_X(false, "Voldrim framework", qPrintable(what));
}
