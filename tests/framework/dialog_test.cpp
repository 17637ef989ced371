// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogs from templates: geometry in dialog units, data exchange,
// validation, modal results, and the program's message boxes.
#include "framework/dialog.h"
#include "framework/command_ids.h"
#include "framework/message_box.h"
#include "support/scripted_responder.h"
#include "support/test_resources.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const DialogTemplate kNameTemplate = {
    500, "Your Name", 0, 0, 160, 80,
    {
        {CtlLText, IDC_STATIC, "Name:", 5, 5, 40, 8},
        {CtlEdit, 1001, "", 50, 5, 100, 12},
        {CtlListBox, 1002, "", 5, 20, 60, 40},
        {CtlVScroll, 1003, "", 140, 20, 10, 50},
        {CtlDefPushButton, IDOK, "OK", 70, 60, 40, 14},
        {CtlPushButton, IDCANCEL, "Cancel", 115, 60, 40, 14},
    }};

class NameDialog : public CDialog {
public:
    NameDialog() : CDialog(&kNameTemplate)
    {
        MapNotify(1002, LBN_SELCHANGE, [this] { ++m_selections; });
    }
    BOOL OnInitDialog() override
    {
        auto* list = GetDlgItemAs<QListWidget>(1002);
        list->addItems({"one", "two"});
        GetDlgItemAs<QScrollBar>(1003)->setRange(0, 19);
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, 1001, m_strName);
        DDV_MaxChars(pDX, m_strName, 5);
    }
    void OnVScroll(UINT code, UINT pos, QScrollBar* bar) override
    {
        m_codes.push_back(code);
        if (code == SB_LINEDOWN)
            bar->setValue(bar->value() + 1);
        (void)pos;
    }
    CString m_strName = "Ann";
    int m_selections = 0;
    std::vector<UINT> m_codes;
};

TEST(Dialog, ControlsStandInDialogUnits)
{
    CScriptedResponder responder;
    NameDialog dialog;
    responder.ExpectDialog([](CDialog& d) {
        EXPECT_EQ(d.size(), QSize(240, 130)); // 160 x 1.5, 80 x 1.625
        const QRect edit = d.GetDlgItem(1001)->geometry();
        EXPECT_EQ(edit, QRect(75, 8, 150, 19));
        EXPECT_EQ(d.palette().color(QPalette::Window), QColor(192, 192, 192));
        EXPECT_EQ(d.windowTitle(), "Your Name");
        return IDCANCEL;
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(Dialog, OkExchangesAndValidatesCancelDoesNot)
{
    CScriptedResponder responder;
    NameDialog dialog;
    responder.ExpectDialog([](CDialog& d) {
        EXPECT_EQ(d.GetDlgItemText(1001), "Ann") << "members go into the controls at start";
        d.TypeText(1001, "Bobby");
        d.ClickButton(IDCANCEL);
        return IDOK;
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_strName, "Ann");

    NameDialog second;
    responder.ExpectMessageBox(IDOK);
    responder.ExpectDialog([](CDialog& d) {
        d.TypeText(1001, "Bobbie");
        d.ClickButton(IDOK);
        EXPECT_FALSE(d.IsEnded()) << "a text that is too long keeps the dialog open";
        d.TypeText(1001, "Bob");
        d.ClickButton(IDOK);
        EXPECT_TRUE(d.IsEnded());
        return IDCANCEL;
    });
    EXPECT_EQ(second.DoModal(), IDOK);
    EXPECT_EQ(second.m_strName, "Bob");
    ASSERT_EQ(responder.Texts().size(), 1u);
    EXPECT_EQ(responder.Texts()[0], "Please enter no more than 5 characters.");
}

TEST(Dialog, SelectionsAndScrollBarsNotifyTheDialog)
{
    CScriptedResponder responder;
    NameDialog dialog;
    responder.ExpectDialog([&](CDialog& d) {
        d.SelectListEntry(1002, 1);
        auto* bar = d.GetDlgItemAs<QScrollBar>(1003);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        EXPECT_EQ(bar->value(), 1) << "the handler moved the bar by one";
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_EQ(bar->value(), 1) << "a bar does not move by itself";
        return IDOK;
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.m_selections, 1);
    EXPECT_EQ(dialog.m_codes, std::vector<UINT>({SB_LINEDOWN, SB_ENDSCROLL, SB_PAGEDOWN, SB_ENDSCROLL}));
}

// A drop-down list opens to the height its template gives, less its closed
// line, and scrolls what does not fit.
TEST(Dialog, DropDownListsOpenToTheirTemplateHeight)
{
    const DialogTemplate lists = {501, "Lists", 0, 0, 160, 160,
                                  {
                                      {CtlComboBox, 1001, "", 15, 67, 126, 62},
                                      {CtlComboBox, 1002, "", 15, 92, 126, 57},
                                      {CtlComboBox, 1003, "", 15, 10, 126, 120},
                                  }};
    struct Opened {
        UINT id;
        int entries;
        bool scrolls;
    };
    const Opened cases[] = {{1001, 16, true}, {1002, 18, true}, {1003, 3, false}};
    CScriptedResponder responder;
    CDialog dialog(&lists);
    responder.ExpectDialog([&](CDialog& d) {
        for (const Opened& c : cases) {
            SCOPED_TRACE(c.id);
            auto* combo = d.GetDlgItemAs<QComboBox>(c.id);
            for (int i = 0; i < c.entries; ++i)
                combo->addItem(QString::number(i + 1));
            const DialogControlTemplate& t = lists.controls[size_t(c.id - 1001)];
            const int listHeight = DialogUnitsToPixelsY(t.cy) - combo->height();
            combo->showPopup();
            const QWidget* popup = combo->view()->window();
            const int rowHeight = combo->view()->sizeHintForRow(0);
            EXPECT_LE(popup->height(), listHeight);
            EXPECT_EQ(combo->view()->verticalScrollBar()->isVisible(), c.scrolls);
            if (c.scrolls) {
                EXPECT_GT(popup->height(), listHeight - 2 * rowHeight);
            }
            EXPECT_GE(popup->geometry().top(), combo->mapToGlobal(QPoint(0, combo->height() - 1)).y()) << "opens below";
            combo->hidePopup();
        }
        return IDCANCEL;
    });
    dialog.DoModal();
}

TEST(Dialog, RunsModallyWithoutAResponder)
{
    NameDialog dialog;
    QTimer::singleShot(0, [&] {
        dialog.TypeText(1001, "Eve");
        dialog.GetDlgItemAs<QPushButton>(IDOK)->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_strName, "Eve");
}

TEST(MessageBox, CaptionIconButtonsAndPlainText)
{
    CTestResources resources;
    resources.m_strings[AFX_IDS_APP_TITLE] = QStringLiteral("Drill");
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::RichText;
    QMessageBox::StandardButtons buttons;
    QColor background, foreground, shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        background = box->palette().color(QPalette::Window);
        foreground = box->palette().color(QPalette::WindowText);
        shown = box->grab().toImage().pixelColor(1, 1);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        format = box->textFormat();
        buttons = box->standardButtons();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(AfxMessageBox("<b>Keep</b> the melody?", MB_YESNO | MB_ICONEXCLAMATION), IDNO);
    EXPECT_EQ(title, "Drill");
    EXPECT_EQ(text, "<b>Keep</b> the melody?");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
    // The program's dialog colours.
    EXPECT_EQ(background, QColor(192, 192, 192));
    EXPECT_EQ(shown, QColor(192, 192, 192));
    EXPECT_EQ(foreground, QColor(0, 0, 0));

    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(AfxMessageBox(57344u), IDOK);
    EXPECT_EQ(buttons, QMessageBox::Ok);
}

}
