// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/file_dialog.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace {

// The extension of a filter's first pattern, "mid" for "MIDI Files (*.mid)".
QString FirstExtension(const QString& filter)
{
    const qsizetype star = filter.indexOf(QLatin1String("*."));
    if (star < 0)
        return QString();
    const qsizetype end = filter.indexOf(QRegularExpression(QStringLiteral("[ )]")), star);
    return filter.mid(star + 2, end < 0 ? -1 : end - star - 2);
}

class QtFileDialogService : public CFileDialogService {
public:
    CString ChooseFile(const CFileDialogRequest& request, QWidget* parent) override
    {
        QFileDialog dialog(parent, request.m_bOpen ? QStringLiteral("Open") : QStringLiteral("Save As"),
                           QString(), request.m_strFilter);
        dialog.setAcceptMode(request.m_bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(request.m_bOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.m_strDefExt);
        if (request.m_pChosenFilter) {
            QObject::connect(&dialog, &QFileDialog::filterSelected,
                             [&dialog](const QString& filter) { dialog.setDefaultSuffix(FirstExtension(filter)); });
        }
        if (!request.m_strFileName.isEmpty())
            dialog.selectFile(request.m_strFileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return CString();
        if (request.m_pChosenFilter)
            *request.m_pChosenFilter = dialog.selectedNameFilter();
        return dialog.selectedFiles().constFirst();
    }
};

} // namespace

CFileDialogService* CServiceDefault<CFileDialogService>::Get()
{
    static QtFileDialogService service;
    return &service;
}
