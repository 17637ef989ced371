// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Exit button: the question whether to save, a goodbye, then the
// program closes.
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/win_app.h"
#include "sound/play_wave_sound.h"
#include "views/staff/staff_view.h"

void CStaffView::OnExit()
{
    // Asked before the goodbye, which would be a lie if the user cancels.
    if (CDocument* doc = CView::GetDocument(); doc && !doc->SaveModified())
        return;
    PlayWaveSound(CString("babye.wav"));
    // The same path as the close box, whether or not a melody plays.
    if (CFrameWnd* frame = AfxGetMainWnd())
        frame->CloseWithoutAsking();
}
