// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small resource set of a test's own, registered while it lives: strings
// by id and pictures written into a scratch folder.
#include "framework/resources.h"

#include <QFile>
#include <QTemporaryDir>
#include <map>

class CTestResources : public CResources {
public:
    // Adds a picture of the given size, filled with one colour.
    void AddBitmap(const QString& name, int width, int height, const char* fill = "#c0c0c0")
    {
        QFile file(BitmapPath(name));
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(QStringLiteral(R"(<svg xmlns="http://www.w3.org/2000/svg" width="%1" height="%2">)"
                                  R"(<rect width="%1" height="%2" fill="%3"/></svg>)")
                       .arg(width)
                       .arg(height)
                       .arg(QString::fromLatin1(fill))
                       .toUtf8());
    }

    CString LoadString(UINT id) const override
    {
        const auto it = m_strings.find(id);
        return it == m_strings.end() ? CString() : it->second;
    }
    const DialogTemplate* FindDialogTemplate(UINT) const override { return nullptr; }
    const std::vector<MenuItemTemplate>* FindMenu(UINT) const override { return nullptr; }
    const std::vector<AcceleratorTemplate>* FindAccelerators(UINT) const override { return nullptr; }
    CString HelpPageForContext(DWORD) const override { return {}; }
    CString BitmapPath(const CString& name) const override { return m_folder.filePath(name + QStringLiteral(".svg")); }

    std::map<UINT, CString> m_strings;

private:
    QTemporaryDir m_folder;
    CServiceOverride<const CResources> m_installed{this};
};
