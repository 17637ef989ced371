// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Replaceable services: overrides nest and each puts back what it replaced.
#include "framework/help.h"
#include "support/scripted_responder.h"

#include <gtest/gtest.h>

namespace {

class SilentHelp : public CHelpViewer {
public:
    void ShowHelp(const CString&, UINT, DWORD) override {}
};

TEST(Service, OverridesNestAndPutBackWhatTheyReplaced)
{
    CHelpViewer* const helpWindow = AfxGetHelpViewer();
    ASSERT_NE(helpWindow, nullptr) << "the help window is the default";
    SilentHelp outer, inner;
    {
        CServiceOverride<CHelpViewer> first(&outer);
        {
            CServiceOverride<CHelpViewer> second(&inner);
            EXPECT_EQ(AfxGetHelpViewer(), &inner);
        }
        EXPECT_EQ(AfxGetHelpViewer(), &outer);
        CServiceOverride<CHelpViewer> theDefault(nullptr);
        EXPECT_EQ(AfxGetHelpViewer(), helpWindow);
    }
    EXPECT_EQ(AfxGetHelpViewer(), helpWindow);

    EXPECT_EQ(AfxGetUiResponder(), nullptr) << "message boxes have no default responder";
    {
        CScriptedResponder responder;
        EXPECT_EQ(AfxGetUiResponder(), &responder);
    }
    EXPECT_EQ(AfxGetUiResponder(), nullptr);
}

}
