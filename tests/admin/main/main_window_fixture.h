// The administration program's long-lived forms on a Windows folder of the
// test's own, as the program creates them.
#pragma once

#include "admin/main/main_window.h"
#include "admin/dialogs/nomdossier.h"
#include "admin/dialogs/nouvracc.h"
#include "admin/dialogs/options.h"
#include "admin/dialogs/selectuser.h"
#include "admin/dialogs/unsplash.h"
#include "shared/ansi_text.h"
#include "tests/support/input.h"
#include "tests/support/modal_script.h"
#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quorvel {

using testing_support::MessageRecorder;
using testing_support::TempFolder;

// The program's long-lived forms on a Windows folder of the test's own,
// created in the program's order; modal forms are answered by `answer`.
class MainWindowTest : public testing::Test {
protected:
    MainWindowTest() {
        ui::platform().windowsDir = [this] { return windows.Path(); };
        modal.script = [this](ui::Form& form) {
            shownForms.push_back(dynamic_cast<TNSplash*>(&form) ? "information" : form.Text());
            form.modalResult = answer ? answer(form) : ui::mrOk;
        };
        main = std::make_unique<TMain>();
        nomdossier = std::make_unique<TNomdossier>();
        nouvracc = std::make_unique<TNouvracc>();
        options = std::make_unique<TFOptions>();
        main->Nomdossier = nomdossier.get();
        main->Nouvracc = nouvracc.get();
        main->FOptions = options.get();
        selectUser = std::make_unique<TSelectUser>(*options, [this](const std::string& folder) {
            main->DossierBureau = folder;
            main->SauveParametres();
        });
        main->SelectUser = selectUser.get();
        messages.shown.clear();
    }

    std::string Profiles() const { return windows / "velmo"; }
    std::string Root(const std::string& name) const {
        return velmora::UpperCase(Profiles()) + "\\" + velmora::UpperCase(name);
    }
    void Release(TToolbarButton97& button, ui::MouseButton which, bool shift, bool ctrl, bool alt) {
        testing_support::HeldKeys held(alt ? std::vector<WORD>{VK_MENU} : std::vector<WORD>{});
        RECT r = button.Bounds();
        WPARAM flags = (shift ? MK_SHIFT : 0) | (ctrl ? MK_CONTROL : 0);
        UINT down = which == ui::MouseButton::Right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
        UINT up = which == ui::MouseButton::Right ? WM_RBUTTONUP : WM_LBUTTONUP;
        SendMessageA(main->Wallpaper1.Handle(), down, flags, MAKELPARAM(r.left + 3, r.top + 3));
        SendMessageA(main->Wallpaper1.Handle(), up, flags, MAKELPARAM(r.left + 3, r.top + 3));
    }

    ui::PlatformOverride restore;
    MessageRecorder messages{IDYES};
    testing_support::ModalScript modal;
    TempFolder windows;
    std::vector<std::string> shownForms;   // "information" or the caption
    std::function<int(ui::Form&)> answer;
    std::unique_ptr<TMain> main;
    std::unique_ptr<TNomdossier> nomdossier;
    std::unique_ptr<TNouvracc> nouvracc;
    std::unique_ptr<TFOptions> options;
    std::unique_ptr<TSelectUser> selectUser;
};


}  // namespace quorvel
