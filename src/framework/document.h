#pragma once
// The document of the document/view pair: holds the model, knows its
// views and tells them to repaint with a small integer hint.
#include "framework/cmd_target.h"
#include "framework/object.h"

#include <vector>

class CView;
class CArchive;

class CDocument : public CCmdTarget, public CObject {
public:
    CDocument() = default;
    ~CDocument() override = default;

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& GetViews() const { return m_views; }

    // Calls OnUpdate on every view but the sender.
    void UpdateAllViews(CView* sender, LPARAM hint = 0, CObject* hintObject = nullptr);

    // File New: empties the document through DeleteContents.
    virtual BOOL OnNewDocument();
    virtual void DeleteContents() {}
    virtual void Serialize(CArchive& ar);

    const CString& GetPathName() const { return m_strPathName; }
    void SetPathName(const CString& path) { m_strPathName = path; }

private:
    std::vector<CView*> m_views;
    CString m_strPathName;
};
