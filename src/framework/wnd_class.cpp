// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/wnd_class.h"

#include "framework/misuse.h"

#include <map>

namespace {
std::map<CString, WndClassInfo>& Registry()
{
    static std::map<CString, WndClassInfo> registry;
    return registry;
}
}

CString AfxRegisterWndClass(UINT classStyle, int cursor, const CBrush* background, int icon)
{
    WndClassInfo info;
    info.style = classStyle;
    info.hasCursor = cursor != 0;
    if (background && background->IsCreated() && background->GetKind() == CBrush::Solid) {
        info.hasBackground = true;
        info.background = background->Color();
    }
    const CString name = QStringLiteral("Afx:%1:%2:%3:%4:%5")
                             .arg(classStyle)
                             .arg(cursor)
                             .arg(info.hasBackground ? 1 : 0)
                             .arg(info.background)
                             .arg(icon);
    Registry()[name] = info;
    return name;
}

WndClassInfo AfxLookupWndClass(const CString& name)
{
    auto it = Registry().find(name);
    if (it == Registry().end()) {
        AfxReportMisuse(QStringLiteral("No window class \"%1\" is registered").arg(name));
        WndClassInfo info;
        info.hasBackground = true;
        info.hasCursor = true;
        return info;
    }
    return it->second;
}
