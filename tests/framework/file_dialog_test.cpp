// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real file dialogs: Qt's, with the document's filter and extension.
#include "framework/file_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Answers the dialog once it is up: types the name and accepts.
void AnswerWith(const QString& name, QFileDialog::AcceptMode* mode, QStringList* filters, QString* suffix)
{
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        *mode = dialog->acceptMode();
        *filters = dialog->nameFilters();
        *suffix = dialog->defaultSuffix();
        dialog->selectFile(name);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

TEST(FileDialogs, AreQtsWithTheFilterAndTheDefaultExtension)
{
    QTemporaryDir folder;
    const QString existing = folder.filePath("tune.vdm");
    QFile(existing).open(QIODevice::WriteOnly);

    CFileDialogRequest request;
    request.m_strFilter = "Voldrim Melodies (*.vdm)";
    request.m_strDefExt = "vdm";
    QFileDialog::AcceptMode mode = QFileDialog::AcceptSave;
    QStringList filters;
    QString suffix;
    AnswerWith(existing, &mode, &filters, &suffix);
    EXPECT_EQ(AfxGetFileDialogService()->ChooseFile(request, nullptr), existing);
    EXPECT_EQ(mode, QFileDialog::AcceptOpen);
    EXPECT_EQ(filters, QStringList{"Voldrim Melodies (*.vdm)"});
    EXPECT_EQ(suffix, "vdm");

    // Save As adds the extension to a name typed without one.
    request.m_bOpen = false;
    AnswerWith(folder.filePath("waltz"), &mode, &filters, &suffix);
    EXPECT_EQ(AfxGetFileDialogService()->ChooseFile(request, nullptr), folder.filePath("waltz.vdm"));
    EXPECT_EQ(mode, QFileDialog::AcceptSave);
}

TEST(FileDialogs, SayWhichFilterTheFileWasChosenUnderAndGiveItsExtension)
{
    QTemporaryDir folder;
    CString chosen;
    CFileDialogRequest request;
    request.m_bOpen = false;
    request.m_strFilter = "MusicXML Files (*.musicxml);;MIDI Files (*.mid)";
    request.m_strDefExt = "musicxml";
    request.m_pChosenFilter = &chosen;
    // The user picks the second filter from the list, then types a name
    // without an extension.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        QTest::keyClick(types, Qt::Key_Down);
        dialog->selectFile(folder.filePath("tune"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(AfxGetFileDialogService()->ChooseFile(request, nullptr), folder.filePath("tune.mid"));
    EXPECT_EQ(chosen, "MIDI Files (*.mid)");
}

} // namespace
