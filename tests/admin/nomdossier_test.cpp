#include "admin/nomdossier.h"

#include "tests/admin/dialog_test_support.h"
#include "tests/support/test_folder.h"
#include "ui/application.h"

#include <gtest/gtest.h>

using namespace quorvel;
using testing_support::ModalScript;

namespace {

void Type(HWND edit, const std::string& text) {
    for (char c : text) PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
}

// Posts a key to a control, with Escape behind it so that a loop that missed
// the key still ends; what is left over is dropped afterwards.
void PostKeyThenEscape(HWND control, WORD key) {
    PostMessageA(control, WM_KEYDOWN, key, 0);
    PostMessageA(control, WM_KEYDOWN, VK_ESCAPE, 0);
}

void DropPending(HWND window) {
    MSG msg;
    while (PeekMessageA(&msg, window, 0, 0, PM_REMOVE)) {
    }
}

}  // namespace

TEST(TNomdossier, IsASmallFixedDialogWithTheFocusOnTheName) {
    TNomdossier dialog;
    EXPECT_EQ(dialog.Text(), "Nom du dossier...");
    RECT client = dialog.ClientRect();
    EXPECT_EQ(client.right, 273);
    EXPECT_EQ(client.bottom, 72);
    EXPECT_FALSE(GetWindowLongA(dialog.Handle(), GWL_STYLE) & WS_SYSMENU);

    HWND focused = nullptr;
    ModalScript script([&](ui::Form& form) {
        focused = GetFocus();
        form.modalResult = ui::mrCancel;
    });
    dialog.ShowModal();
    EXPECT_EQ(focused, dialog.ENomdossier.Handle());
}

TEST(TNomdossier, EnterReturnsTheTypedNameAndEscapeCancels) {
    TNomdossier dialog;
    dialog.ENomdossier.SetText("");
    Type(dialog.ENomdossier.Handle(), "Jeux");
    PostKeyThenEscape(dialog.ENomdossier.Handle(), VK_RETURN);
    EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
    DropPending(dialog.ENomdossier.Handle());
    EXPECT_EQ(dialog.ENomdossier.Text(), "Jeux");

    // The text stays between uses; the caller sets it each time.
    PostMessageA(dialog.ENomdossier.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
    EXPECT_EQ(dialog.ENomdossier.Text(), "Jeux");
}

TEST(TNomdossier, AnEmptyNameIsReturnedAsTyped) {
    TNomdossier dialog;
    ModalScript script([&](ui::Form&) {
        dialog.ENomdossier.SetText("");
        dialog.BitBtn1.Click();
    });
    EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
    EXPECT_EQ(dialog.ENomdossier.Text(), "");
}

TEST(TNomdossier, F1OpensTheTopicThatTheCallerSet) {
    ui::PlatformOverride restore;
    std::vector<ULONG_PTR> topics;
    ui::platform().help = [&](HWND, const std::string& file, UINT command, ULONG_PTR data) {
        EXPECT_EQ(file, "C:\\velmo95.hlp");
        EXPECT_EQ(command, static_cast<UINT>(HELP_CONTEXT));
        topics.push_back(data);
        return true;
    };
    std::string savedHelp = ui::Application::Instance().helpFile;
    ui::Application::Instance().helpFile = "C:\\velmo95.hlp";

    TNomdossier dialog;
    dialog.helpContext = 70;
    ModalScript script([&](ui::Form& form) {
        // The system turns a real F1 press into its help request.
        SetForegroundWindow(form.Handle());
        dialog.ENomdossier.SetFocus();
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = VK_F1;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
        testing_support::Pump(100);
        form.modalResult = ui::mrCancel;
    });
    dialog.ShowModal();
    ui::Application::Instance().helpFile = savedHelp;
    EXPECT_EQ(topics, std::vector<ULONG_PTR>{70});
}
