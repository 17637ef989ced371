#pragma once
// The staff view: bass-clef systems with the melody's note columns.
#include "framework/view.h"

class CVoldrimDoc;

class CStaffView : public CView {
public:
    CStaffView();
    CVoldrimDoc* GetDocument() const;
    void OnDraw(CDC* pDC) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

private:
    CBrush m_brBackground;
    CString m_strClassName;
};
