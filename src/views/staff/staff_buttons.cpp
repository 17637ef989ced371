// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The six picture buttons along the bottom of the staff view.
#include "views/staff/staff_view.h"

#include "res/resource.h"

#include <array>

namespace {

struct ButtonInfo {
    UINT id;
    const char* up;
    const char* down;
    int left;
};

// In the order of the view's button members: Play, Erase, Tempo, Stop,
// Title, Exit, 70 pixels apart.
constexpr std::array<ButtonInfo, 6> kButtons = {{
    {ID_PLAY_BUTTON, "PLAYU", "PLAYD", 10},
    {IDC_ERASE_BUTTON, "ERASEU", "ERASED", 80},
    {ID_TEMPO, "TEMPOU", "TEMPOD", 150},
    {IDC_STOP_BUTTON, "STOPUP", "STOPDOWN", 220},
    {IDC_TITLE_BUTTON, "TITLEUP", "TITLEDOWN", 290},
    {IDC_EXIT_BUTTON, "EXITU", "EXITD", 360},
}};

} // namespace

std::vector<QByteArray> CStaffView::FirstPictures()
{
    std::vector<QByteArray> pictures;
    for (const ButtonInfo& button : kButtons)
        pictures.emplace_back(button.up);
    return pictures;
}

void CStaffView::CreateButtons()
{
    CBitmapButton* buttons[] = {&m_btnPlay, &m_btnErase, &m_btnTempo, &m_btnStop, &m_btnTitle, &m_btnExit};
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        buttons[i]->Create(CString(), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 20, 20), this, kButtons[i].id);
        buttons[i]->LoadBitmaps(kButtons[i].up, kButtons[i].down);
        buttons[i]->SizeToContent();
    }
}

void CStaffView::PlaceButtons()
{
    CBitmapButton* buttons[] = {&m_btnPlay, &m_btnErase, &m_btnTempo, &m_btnStop, &m_btnTitle, &m_btnExit};
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        buttons[i]->MoveWindow(kButtons[i].left, m_nClientHeight - 45, 10, 10);
        buttons[i]->SizeToContent();
    }
}
