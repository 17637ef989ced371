// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fuzz_harness.h"

#include "doc/voldrim_doc.h"
#include "framework/message_box.h"
#include "framework/service.h"
#include "res/program_resources.h"
#include "support/file_bytes.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>

namespace {

const char* g_targetName = "fuzzer";
QTemporaryDir* g_folder = nullptr;

QString FolderTemplate()
{
    const QDir memory(QStringLiteral("/dev/shm"));
    return (memory.exists() ? memory.path() : QDir::tempPath()) + QLatin1Char('/') + QLatin1String(g_targetName) +
           QStringLiteral("-XXXXXX");
}

} // namespace

// Font configuration keeps a cache it never frees; that is no finding.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}

void FuzzCheck(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "%s: %s\n", g_targetName, what);
        std::abort();
    }
}

int CAnsweringResponder::OnMessageBox(const CString&, UINT type)
{
    return (type & MB_YESNO) == MB_YESNO ? IDNO : IDOK;
}

int CAnsweringResponder::OnDialog(CDialog&)
{
    return IDCANCEL;
}

void StartFuzzTarget(const char* name)
{
    g_targetName = name;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps the arguments; the fuzzer's own are not for it.
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(name), nullptr};
    new QApplication(argc, argv);
    RegisterProgramResources();
    CService<CUiResponder>::Install(new CAnsweringResponder());
    // Qt and the responder live as long as the process; only the folder is removed.
    g_folder = new QTemporaryDir(FolderTemplate());
    std::atexit([] { g_folder->remove(); });
}

QTemporaryDir& FuzzFolder()
{
    return *g_folder;
}

bool OpenMelodyBytes(CVoldrimDoc& doc, const QByteArray& bytes)
{
    const QString input = FuzzFolder().filePath(QStringLiteral("input.vdm"));
    FuzzCheck(WriteFileBytes(input, bytes), "cannot write the input file");
    if (doc.OnOpenDocument(input))
        return true;
    FuzzCheck(doc.m_melody.empty() && doc.m_strMelodyTitle.isEmpty(), "a file that did not load left a melody");
    return false;
}
