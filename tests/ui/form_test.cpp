#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/graphic.h"
#include "ui/menu.h"
#include "ui/timer.h"

#include "tests/support/gdi_count.h"
#include "tests/support/modal_script.h"
#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

ui::FormStyle DialogFrame() {
    ui::FormStyle style;
    style.border = ui::BorderStyle::Dialog;
    return style;
}

class Dialog : public ui::Form {
public:
    Dialog()
        : window_(*this, "Essai", 200, 100, DialogFrame(), true),
          ok(*this, ui::Bounds(10, 60, 80, 25), "&Ok"),
          cancel(*this, ui::Bounds(100, 60, 80, 25), "&Annuler"),
          picture(*this, ui::Bounds(10, 10, 100, 20), "étiquette") {
        ok.modalResult = ui::mrOk;
        cancel.modalResult = ui::mrCancel;
        cancelButton = cancel.Handle();
    }
    ui::FormWindow window_;
    ui::Button ok, cancel;
    ui::Label picture;
    int shows = 0;

protected:
    void FormShow() override { ++shows; }
};

HWND pressTarget;

void CALLBACK Press(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    PostMessageA(pressTarget, BM_CLICK, 0, 0);
}

// Presses a button from inside the real modal loop, once the loop runs.
void PressLater(HWND button, UINT delay) {
    pressTarget = button;
    SetTimer(nullptr, 0, delay, Press);
}

}  // namespace

TEST(Form, ShowModalRunsItsOwnLoopUntilAResult) {
    Dialog dialog;
    PressLater(dialog.ok.Handle(), 50);
    EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
    EXPECT_EQ(dialog.shows, 1);
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    PressLater(dialog.cancel.Handle(), 50);
    EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
}

TEST(Form, ClosingADialogGivesTheActivationBackToTheWindowBeforeIt) {
    // As in the programs, the application's window shows (without a size) and owns every form:
    // the system would give the activation to it.
    ui::Application& app = ui::Application::Instance();
    ShowWindow(app.Handle(), SW_SHOWNOACTIVATE);
    Dialog main, dialog;
    main.Show();
    SetForegroundWindow(main.Handle());
    testing_support::Pump(50);
    ASSERT_EQ(GetActiveWindow(), main.Handle());
    bool openWhileShown = false;
    dialog.cancel.onClick = [&] { openWhileShown = app.ModalOpen(); };
    PressLater(dialog.cancel.Handle(), 50);
    EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
    EXPECT_EQ(GetActiveWindow(), main.Handle()) << "the keys go to the window that had them";
    EXPECT_TRUE(IsWindowEnabled(main.Handle()));
    EXPECT_TRUE(openWhileShown);
    EXPECT_FALSE(app.ModalOpen());
    ShowWindow(app.Handle(), SW_HIDE);
}

TEST(Form, EscapePressesTheCancelButtonAndClosingCancels) {
    Dialog dialog;
    dialog.Show();
    SetFocus(dialog.ok.Handle());
    PostMessageA(dialog.ok.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    testing_support::Pump(50);
    EXPECT_EQ(dialog.modalResult, ui::mrCancel);

    testing_support::ModalScript script([](ui::Form& form) { SendMessageA(form.Handle(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(dialog.ShowModal(), ui::mrCancel) << "closing a modal form cancels it";
}

TEST(Application, TheGeneralErrorHandlerShowsAStopBoxTitledWithTheTitle) {
    EXPECT_EQ(ui::Application::ErrorText("Lien non trouvé."), "Lien non trouvé.");
    EXPECT_EQ(ui::Application::ErrorText("Erreur inattendue"), "Erreur inattendue.");
    EXPECT_EQ(ui::Application::ErrorText("Fin (1)"), "Fin (1)") << "')' sorts below '.'";
    EXPECT_EQ(ui::Application::ErrorText("Éé"), "Éé.") << "accented letters sort above it";
    EXPECT_EQ(ui::Application::ErrorText(""), "");

    testing_support::MessageRecorder messages;
    ui::Application::Instance().SetTitle("Titre");
    Dialog dialog;
    dialog.ok.onClick = [] { throw std::runtime_error("Accès refusé"); };
    dialog.ok.Click();
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Accès refusé."});
    EXPECT_EQ(messages.shown[0].caption, "Titre");
    EXPECT_EQ(messages.shown[0].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_TRUE(IsWindow(dialog.Handle())) << "the program goes on";
}

namespace {

// Fails where a command that cannot read its shortcut would: while being
// shown, and on a key that the form previews.
class FailingDialog : public Dialog {
public:
    FailingDialog() { keyPreview = true; }

protected:
    void FormShow() override { throw std::runtime_error("Erreur en lecture."); }
    bool FormKeyDown(WORD key, ui::ShiftState) override {
        if (key == VK_RETURN) throw std::runtime_error("Lien non trouvé.");
        return false;
    }
};

}  // namespace

TEST(Application, HandlerCodeOutsideWindowProceduresReachesTheGeneralErrorHandler) {
    testing_support::MessageRecorder messages;
    FailingDialog dialog;
    dialog.Show();
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Erreur en lecture."});
    EXPECT_TRUE(IsWindowVisible(dialog.Handle())) << "the form shows all the same";

    // Key preview runs in the message loop, before any window procedure.
    SetForegroundWindow(dialog.Handle());
    testing_support::Pump(50);
    PostMessageA(dialog.ok.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    testing_support::Pump(50);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, "Lien non trouvé.");
    EXPECT_EQ(messages.shown[1].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(messages.shown[1].owner, dialog.Handle())
        << "the box belongs to the window whose command failed, which gets the keyboard back";
    EXPECT_TRUE(IsWindow(dialog.Handle())) << "the program goes on";

    // Timers tick through a callback that the message loop calls directly.
    ui::Timer timer(10);
    timer.onTimer = [&timer] {
        timer.SetEnabled(false);
        throw std::runtime_error("Erreur en lecture.");
    };
    timer.SetEnabled(true);
    testing_support::Pump(100);
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[2].text, "Erreur en lecture.");
}

TEST(Controls, PicturesAndLabelsTakeClicksOnlyWhenVisible) {
    Dialog dialog;
    dialog.Show();
    int clicks = 0, doubles = 0;
    dialog.picture.onClick = [&](ui::GraphicControl&) { ++clicks; };
    dialog.picture.onDblClick = [&](ui::GraphicControl&) { ++doubles; };
    LPARAM at = MAKELPARAM(20, 15);
    SendMessageA(dialog.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(dialog.Handle(), WM_LBUTTONUP, 0, at);
    SendMessageA(dialog.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(dialog.Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(clicks, 1) << "the release after a double-click is no second click";
    EXPECT_EQ(doubles, 1);
    SendMessageA(dialog.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(dialog.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(150, 15));
    EXPECT_EQ(clicks, 1) << "released outside: no click";
    dialog.picture.SetVisible(false);
    SendMessageA(dialog.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    EXPECT_EQ(doubles, 1);
}

TEST(Controls, MenusNumberTheirItemsAndRunTheChosenOne) {
    ui::PlatformOverride restore;
    ui::PopupMenu menu;
    std::string chosen;
    ui::MenuItem& nouveau = menu.Add("&Nouveau");
    nouveau.Add("&Dossier").onClick = [&] { chosen = "dossier"; };
    nouveau.Add("&Raccourci").onClick = [&] { chosen = "raccourci"; };
    ui::MenuItem& supprime = menu.Add("&Supprimer");
    supprime.onClick = [&] { chosen = "supprime"; };
    UINT answer = 2;
    ui::platform().popupMenu = [&](ui::PopupMenu&, POINT) { return answer; };
    menu.Popup(nullptr, {0, 0});
    EXPECT_EQ(chosen, "raccourci");
    answer = 3;
    supprime.enabled = false;
    chosen.clear();
    menu.Popup(nullptr, {0, 0});
    EXPECT_EQ(chosen, "") << "a disabled item does nothing";
}

// Run alone by CTest: a program ended from outside by its process id.
TEST(TestRun, DISABLED_EndsMidway) { TerminateProcess(GetCurrentProcess(), 0); }

TEST(Resources, FormsAndTimersGiveBackEveryGdiObject) {
    auto use = [](int i) {
        Dialog dialog;
        dialog.SetColor(RGB(i, 0, 0));
        dialog.SetFont(ui::MakeFont("MS Sans Serif", 10));
        dialog.picture.SetFont(ui::MakeFont("Arial", 12, true));
        dialog.AddHint(dialog.ok.Handle(), "astuce");
        ui::Timer timer(10);
        timer.SetEnabled(true);
    };
    use(0);   // the system keeps what it makes for the first tooltip and fonts
    int before = testing_support::GdiObjectCount();
    for (int i = 1; i <= 100; ++i) use(i);
    ASSERT_GT(before, 0);
    EXPECT_EQ(testing_support::GdiObjectCount(), before);
}
