#include "admin/dialogs/nomdossier.h"

#include "tests/support/modal_script.h"
#include "tests/support/input.h"
#include "tests/support/test_folder.h"
#include "ui/application.h"

#include <gtest/gtest.h>

using namespace quorvel;
using testing_support::ModalScript;

namespace {

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

TEST(TNomdossier, OpensWithTheFocusOnTheName) {
    TNomdossier dialog;
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
    testing_support::Type(dialog.ENomdossier.Handle(), "Jeux");
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
        testing_support::PressRealKeys({VK_F1});
        testing_support::Pump(100);
        form.modalResult = ui::mrCancel;
    });
    dialog.ShowModal();
    ui::Application::Instance().helpFile = savedHelp;
    EXPECT_EQ(topics, std::vector<ULONG_PTR>{70});
}
