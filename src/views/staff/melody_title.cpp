// The Title and Exit buttons of the staff view.
#include "doc/voldrim_doc.h"
#include "framework/frame_wnd.h"
#include "framework/message_box.h"
#include "framework/win_app.h"
#include "sound/play_wave_sound.h"
#include "views/staff/staff_view.h"
#include "views/staff/title_dlg.h"

void CStaffView::OnTitle()
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc || doc->m_bPlaying == 1)
        return;
    CTitleDlg dialog(AfxGetMainWnd());
    dialog.m_strTitle = doc->m_strMelodyTitle;
    dialog.m_strComposer = doc->m_strMelodyComposer;
    if (dialog.DoModal() == IDOK) {
        doc->m_strMelodyTitle = dialog.m_strTitle;
        doc->m_strMelodyComposer = dialog.m_strComposer;
        doc->UpdateCaption();
    }
    // The key-up of a held letter may have gone to the dialog.
    doc->ClearHeldKeys();
}

void CStaffView::OnExit()
{
    PlayWaveSound(CString("babye.wav"));
    // The same path as the close box, whether or not a melody plays.
    if (CFrameWnd* frame = AfxGetMainWnd())
        frame->SendClose();
}
