#pragma once
// The document of the document/view pair: holds the model, knows its
// views and tells them to repaint with a small integer hint.
#include "framework/cmd_target.h"
#include "framework/object.h"

#include <vector>

class CView;
class CArchive;
class QIODevice;

class CDocument : public CCmdTarget, public CObject {
public:
    // File Save and Save As are the document's own commands.
    CDocument();
    ~CDocument() override = default;

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& GetViews() const { return m_views; }

    // Calls OnUpdate on every view but the sender.
    void UpdateAllViews(CView* sender, LPARAM hint = 0, CObject* hintObject = nullptr);

    // File New: empties the document through DeleteContents.
    virtual BOOL OnNewDocument();
    virtual void DeleteContents() {}
    void Serialize(CArchive& ar) override;

    // File Open: empties the document and reads the file into it (document_file.cpp).
    // On failure it says why and returns FALSE; a file that cannot be
    // opened leaves the document as it was, one that fails to read leaves
    // it emptied.
    virtual BOOL OnOpenDocument(const CString& path);
    // File Save: writes the document to the file, which is replaced only
    // once everything is written. On failure it says why and returns FALSE.
    virtual BOOL OnSaveDocument(const CString& path);
    // The document read from a device through an archive, an empty device
    // giving an empty document; on failure it says why and returns FALSE.
    BOOL LoadContents(QIODevice& device);
    // The document written to a device; FALSE when writing failed.
    BOOL StoreContents(QIODevice& device);

    // Save to the document's file, or to a file chosen as Save As does
    // when it has none yet; Save As always asks. TRUE when saved.
    BOOL DoSave(const CString& path);
    void OnFileSave();
    void OnFileSaveAs();

    const CString& GetPathName() const { return m_strPathName; }
    void SetPathName(const CString& path) { m_strPathName = path; }
    // Modified while a read has emptied the document and not filled it again.
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

private:
    std::vector<CView*> m_views;
    CString m_strPathName;
    bool m_bModified = false;
};
