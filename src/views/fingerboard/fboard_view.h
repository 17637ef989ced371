#pragma once
// The fingerboard view: the cello's four strings with their stops.
#include "framework/view.h"

class CVoldrimDoc;

class CFboardView : public CView {
public:
    CFboardView();
    CVoldrimDoc* GetDocument() const;
    void OnDraw(CDC* pDC) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

private:
    CBrush m_brBackground;
    CString m_strClassName;
};
