#include "views/fingerboard/fboard_view.h"

#include "doc/voldrim_doc.h"

CFboardView::CFboardView() = default;

CVoldrimDoc* CFboardView::GetDocument() const
{
    return static_cast<CVoldrimDoc*>(CView::GetDocument());
}

BOOL CFboardView::PreCreateWindow(CREATESTRUCT& cs)
{
    m_brBackground.CreateSolidBrush(RGB(255, 255, 255));
    if (m_strClassName.isEmpty())
        m_strClassName = AfxRegisterWndClass(CS_DBLCLKS, 0, &m_brBackground, 0);
    cs.lpszClass = m_strClassName;
    return CView::PreCreateWindow(cs);
}

void CFboardView::OnDraw(CDC*) {}
