// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Programming errors the framework survives are reported, not hidden.
#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/misuse.h"
#include "framework/wnd_class.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr UINT kEdit = 1001;
constexpr UINT kMissing = 1002;

const DialogTemplate kOneEditTemplate = {600, "One Edit", 0, 0, 100, 40, {{CtlEdit, kEdit, "", 5, 5, 60, 12}}};

class ExchangesAMissingControl : public CDialog {
public:
    ExchangesAMissingControl() : CDialog(&kOneEditTemplate) {}
    void DoDataExchange(CDataExchange* pDX) override { DDX_Check(pDX, kMissing, m_nValue); }
    int m_nValue = 0;
};

class RecordingMisuseHandler : public CMisuseHandler {
public:
    void OnMisuse(const CString& what) override { m_reports.push_back(what); }
    std::vector<CString> m_reports;

private:
    CServiceOverride<CMisuseHandler> m_installed{this};
};

TEST(FrameworkMisuse, EachSilentFallbackIsReported)
{
    const struct {
        const char* fault;
        std::function<void()> make;
        const char* reported;
    } rows[] = {
        {"data exchange with a missing control", [] { ExchangesAMissingControl().UpdateData(FALSE); },
         "Dialog 600 exchanges data with control 1002"},
        {"an unknown dialog template", [] { CDialog dialog(4711u); }, "No dialog template 4711"},
        {"an unknown window class", [] { AfxLookupWndClass("NoSuchClass"); }, "No window class \"NoSuchClass\""},
        {"the text of an unknown control",
         [] {
             CDialog dialog(&kOneEditTemplate);
             dialog.UpdateData(FALSE);
             EXPECT_TRUE(dialog.GetDlgItemText(kMissing).isEmpty());
         },
         "Dialog 600 has no control 1002"},
    };
    for (const auto& row : rows) {
        RecordingMisuseHandler handler;
        row.make();
        ASSERT_EQ(handler.m_reports.size(), 1u) << row.fault;
        EXPECT_TRUE(handler.m_reports[0].startsWith(row.reported)) << handler.m_reports[0].toStdString();
    }
}

}
