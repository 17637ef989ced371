// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fingerboard view: the cello's four strings with their stops, the red
// chosen stop, the flash card and the text of a running Show Me question.
// Clicking a green stop chooses its note and hands it to the staff view.
#include "framework/bitmap_button.h"
#include "views/melody/melody_view.h"
#include "framework/view.h"
#include "model/finger_stop.h"

#include <QByteArray>

#include <optional>
#include <vector>

class CVoldrimDoc;

class CFboardView : public CMelodyView {
public:
    CFboardView();
    ~CFboardView() override;
    CVoldrimDoc* GetDocument() const;

    void OnDraw(CDC* pDC) override;
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
    // A print job from the fingerboard starts afresh before its dialog.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;

    // Paints the stop red on the window at once and remembers it, first
    // giving the stop that was red before its normal colour back.
    void HighlightStop(const CFingerStop& stop);
    // The flash card drawn on the window at once: with the chosen note's
    // name, or covered again with its caption below.
    void RevealCard();
    void CoverCard();
    // A note the student played, taken as a click on its stop would be,
    // but not sounded: the student hears their own instrument. It is
    // recorded as played, with its cents from true when the listener
    // tells. A question answered on the staff waits for a click there.
    void TakePlayedNote(int pitch, std::optional<double> cents = std::nullopt);

    CBitmapButton& ShowMeButton() { return m_btnShowMe; }
    // The pictures the view shows as it first appears, for rendering ahead.
    static std::vector<QByteArray> FirstPictures();
    const CRect& QuestionRect() const { return m_rcQuestion; }

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    int OnCreate() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnKeyDown(UINT nChar, UINT repeatCount, UINT flags) override;
    void OnKeyUp(UINT nChar, UINT repeatCount, UINT flags) override;

private:
    // The pitch-and-family value of the view's fonts.
    static constexpr BYTE kFixedPitch = 1;

    // Drawing (fboard_drawing.cpp).
    void DrawBoard(CDC* pDC);
    void DrawStopShape(CDC* pDC, const CRect& rc, StopKind kind);
    void DrawStopLabel(CDC* pDC, const CRect& rc, const CString& label);
    CString LabelOf(const CFingerStop& stop) const;
    bool IsLabelShown(StopKind kind) const;
    void DrawQuestionText();
    // Flash card (fboard_card.cpp).
    bool IsCardShown() const;
    void DrawCard(CDC* pDC);
    // The hatched card with its caption, which ends the given number of
    // pixels above the bottom of the view.
    void DrawCoveredCard(CDC* pDC, int captionAboveBottom);
    // Interaction (fboard_input.cpp).
    void EvaluateClick(CPoint point);
    // The stop chosen, by a click or by playing its note (played, with its
    // cents from true when the listener tells).
    void ChooseStop(const CFingerStop& stop, bool played, std::optional<double> cents = std::nullopt);
    // The note goes to the staff, which writes it and sounds it unless it
    // was played.
    void HandOffToStaff(bool played);
    void OnShowMe();

    // How the stop last painted red is drawn; read only once there is one.
    StopKind m_nLastHighlightKind = StopFinger;
    CString m_strClassName;
    CString m_strCardCaption;
    CString m_strLastHighlightLabel;
    int m_nCardCornerWidth = 20;
    int m_nCardCornerHeight = 20;
    CRect m_rcQuestion;
    CRect m_rcCard;
    CRect m_rcCardCaption;
    CFont m_fontLabel;
    CPen m_penOutline;
    CBrush m_brBackground;
    CBrush m_brRed;
    CBrush m_brGreen;
    CBrush m_brBlack;
    CBrush m_brGrey;
    CBrush m_brCard;
    CBitmapButton m_btnShowMe;
};
