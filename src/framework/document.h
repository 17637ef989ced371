// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
    // The file's name without its folder, or "Untitled" before it has one.
    CString GetTitle() const;

    // Whether the document differs from what was last opened or saved. A
    // document may work that out from its contents; the flag serves one
    // that does not.
    virtual bool IsModified() const { return m_bModified; }
    // Called with false whenever the document has just been opened, saved
    // or made new: what it holds now is what is on disk.
    virtual void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    // Before the document's contents are thrown away: asks "Save changes
    // to %1?" when it is modified. TRUE to go on (saved, or not to be
    // saved), FALSE when the user cancelled or the save failed.
    virtual BOOL SaveModified();
    // A read that failed half-way has emptied the document.
    bool WasEmptiedByFailedRead() const { return m_bEmptiedByFailedRead; }

private:
    std::vector<CView*> m_views;
    CString m_strPathName;
    bool m_bModified = false;
    bool m_bEmptiedByFailedRead = false;
};
