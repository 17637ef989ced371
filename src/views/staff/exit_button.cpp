// The Exit button: a goodbye, then the program closes.
#include "framework/frame_wnd.h"
#include "framework/win_app.h"
#include "sound/play_wave_sound.h"
#include "views/staff/staff_view.h"

void CStaffView::OnExit()
{
    PlayWaveSound(CString("babye.wav"));
    // The same path as the close box, whether or not a melody plays.
    if (CFrameWnd* frame = AfxGetMainWnd())
        frame->SendClose();
}
