// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Compressed MusicXML (.mxl): a zip archive whose META-INF/container.xml
// names the score inside.
#include <QByteArray>

// Whether the bytes begin as a zip archive does.
bool IsZipArchive(const QByteArray& bytes);

// The score, unpacked; throws CImportError for a damaged archive, one
// without a score, or a score that unpacks past kLargestImportBytes.
QByteArray UnpackMusicXml(const QByteArray& archive);
