// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File names as the file system holds them: any bytes but '/' and NUL, not
// always UTF-8. A path is carried as a CString that keeps every byte: valid
// UTF-8 as its characters, each byte of an invalid sequence as the lone
// surrogate U+DC80 + byte (0x80 to 0xFF; ASCII is always valid). Qt's own
// decoding would turn such bytes into U+FFFD and name another file.
#include "framework/types.h"

#include <QByteArray>

// The path of the name's bytes; AfxEncodePath gives the same bytes back.
CString AfxDecodePath(const QByteArray& bytes);
// The bytes of the file's name, for the system's file calls. A lone
// surrogate that stands for no byte (none comes from AfxDecodePath) is
// encoded as Qt encodes it.
QByteArray AfxEncodePath(const CString& path);
// The path as a message shows it: every lone surrogate as U+FFFD, so that
// the text is valid Unicode.
CString AfxDisplayPath(const CString& path);
// The path from the root, as the path named from the current folder; the
// folder's name keeps its bytes too.
CString AfxAbsolutePath(const CString& path);
// The folder the path names its file in: "." for a bare name.
CString AfxFolderOf(const CString& path);
