// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder the printer writes its pages to before they are copied where
// they belong. It goes on every way out: with this object, and on SIGTERM,
// SIGINT or SIGHUP while it exists, which would otherwise end the program
// before any destructor runs. The signal then does what it did before.
#include <QTemporaryDir>

#include <csignal>
#include <memory>

class CPdfScratchFolder {
public:
    CPdfScratchFolder();
    ~CPdfScratchFolder();
    CPdfScratchFolder(const CPdfScratchFolder&) = delete;
    CPdfScratchFolder& operator=(const CPdfScratchFolder&) = delete;

    bool IsValid() const { return m_folder && m_folder->isValid(); }
    // Where the printer writes the pages.
    QString PagesPath() const;

private:
    static constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
    std::unique_ptr<QTemporaryDir> m_folder;
    struct sigaction m_previous[std::size(kSignals)] = {};
};
