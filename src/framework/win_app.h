// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object and the single-document template: one document,
// one frame, created at the first File New and reused afterwards.
#include "framework/cmd_target.h"

#include <functional>
#include <memory>

class CDocument;
class QEvent;
class QPrinter;
class CFrameWnd;
class CView;

// The parts of a document string, separated by line feeds.
enum DocStringIndex {
    windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName
};

struct CCreateContext {
    CDocument* m_pCurrentDoc = nullptr;
    std::function<CView*()> m_newView;
};

class CSingleDocTemplate {
public:
    CSingleDocTemplate(UINT resourceId, std::function<CDocument*()> newDocument,
                       std::function<CFrameWnd*()> newFrame, std::function<CView*()> newView);
    ~CSingleDocTemplate();

    // Without a path: File New; with one: File Open of that file. Creates
    // the document and frame the first time; afterwards reuses the same
    // document, once it has asked whether to save its changes. Returns
    // null on failure or when the user cancelled.
    CDocument* OpenDocumentFile(const CString* path, BOOL makeVisible = TRUE);

    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetFrame() const { return m_pFrame; }
    UINT GetResourceId() const { return m_nResourceId; }
    // Part n (0 window title, 1 document name, 2 new-file type, 3 filter,
    // 4 extension, 5 file type id, 6 file type name) of the document string.
    CString GetDocString(int index) const;

private:
    // Reads the file into the document; a read that failed half-way
    // leaves a new, empty document (file_commands.cpp).
    bool OpenIntoDocument(const CString& path);

    UINT m_nResourceId;
    std::function<CDocument*()> m_newDocument;
    std::function<CFrameWnd*()> m_newFrame;
    std::function<CView*()> m_newView;
    CDocument* m_pDocument = nullptr; // owned
    CFrameWnd* m_pFrame = nullptr;    // deletes itself when closed
};

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    // Sees every event of the program before it is delivered.
    virtual void PreTranslateMessage(QEvent* event);

    void AddDocTemplate(CSingleDocTemplate* docTemplate);
    CSingleDocTemplate* GetDocTemplate() const { return m_template.get(); }
    void OnFileNew();
    // File Open: asks for a file and opens it (file_commands.cpp).
    void OnFileOpen();
    virtual CDocument* OpenDocumentFile(const CString& path);
    // The file chosen in the Open or Save As dialog, with the document
    // template's filter and extension; empty when cancelled.
    CString DoPromptFileName(const CString& proposed, bool openFileDialog);
    // Print Setup: paper, orientation and margins of the application's printer.
    void OnFilePrintSetup();
    // The printer that print jobs and previews use, made at its first use.
    QPrinter& GetPrinter();

    CFrameWnd* m_pMainWnd = nullptr;

protected:
    // Help: the help window at a context id of the help file.
    void WinHelp(DWORD data, UINT command);
    // From now on every event passes PreTranslateMessage first.
    void InstallMessageFilter();

private:
    class MessageFilter;
    std::unique_ptr<CSingleDocTemplate> m_template;
    MessageFilter* m_pFilter = nullptr;
    std::unique_ptr<QPrinter> m_pPrinter;
};

CWinApp* AfxGetApp();
CFrameWnd* AfxGetMainWnd();
// The application title (string 57344).
CString AfxGetAppName();
// The application's printer; null without an application.
QPrinter* AfxGetPrinter();
