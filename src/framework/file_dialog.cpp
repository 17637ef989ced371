#include "framework/file_dialog.h"

#include <QFileDialog>

namespace {

class QtFileDialogService : public CFileDialogService {
public:
    CString ChooseFile(const CFileDialogRequest& request, QWidget* parent) override
    {
        QFileDialog dialog(parent, request.m_bOpen ? QStringLiteral("Open") : QStringLiteral("Save As"),
                           QString(), request.m_strFilter);
        dialog.setAcceptMode(request.m_bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(request.m_bOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.m_strDefExt);
        if (!request.m_strFileName.isEmpty())
            dialog.selectFile(request.m_strFileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return CString();
        return dialog.selectedFiles().constFirst();
    }
};

} // namespace

CFileDialogService* CServiceDefault<CFileDialogService>::Get()
{
    static QtFileDialogService service;
    return &service;
}
