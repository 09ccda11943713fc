// A shell window on a Windows folder of the test's own, with the platform
// calls that would leave the test (program starts, session end, system
// windows) recorded or scripted.
#pragma once

#include "shared/profile_store.h"
#include "shared/registry.h"
#include "shell/vantrel95.h"
#include "tests/support/saved_value.h"
#include "tests/support/test_folder.h"
#include "ui/application.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace shell_testing {

using testing_support::SavedValue;

class ShellTest : public ::testing::Test {
protected:
    ShellTest();
    ~ShellTest() override;

    // The profiles folder under the test's Windows folder, and one profile.
    std::string Profiles() const { return velmora::ProfilesFolder(windows.Path()); }
    std::string MakeProfile(const std::string& name) const;
    std::string Settings(const std::string& name, const std::string& content) const;
    // A shortcut file written through the system's shell-link object.
    std::string MakeShortcut(const std::string& folder, const std::string& name, const std::string& target,
                             const std::string& arguments = "", const std::string& workingDir = "") const;

    std::unique_ptr<dovrane::TVantrel95> MakeShell();
    // Runs the hiding sequence against stand-in system windows until it ends.
    void LoadThroughHidingSequence(dovrane::TVantrel95& shell);
    // Takes the WM_QUIT that ending the program posted; answers its exit code.
    static std::optional<int> TakeQuit();

    testing_support::TempFolder windows;
    ui::PlatformOverride restore;
    testing_support::MessageRecorder messages;
    std::optional<std::string> user = std::string("marc");
    std::vector<std::string> started;
    UINT startAnswer = 33;
    std::vector<UINT> sessionRequests;
    bool sessionAnswer = true;
    SavedValue password{HKEY_CURRENT_USER, velmora::kVendorKey, velmora::kPasswordValue};
    SavedValue runEntry{HKEY_LOCAL_MACHINE, velmora::kRunKey, velmora::kStartValue};
    SavedValue noDesktop{HKEY_CURRENT_USER, velmora::kPoliciesKey, velmora::kNoDeskTop};

    // Stand-ins for the system's taskbar (with a start button), program manager and desktop.
    HWND fakeTray = nullptr;
    HWND fakeStart = nullptr;
    HWND fakeProgman = nullptr;
    HWND fakeDesktop = nullptr;
};

// A double-click of the left button near the top-left corner of r.
void DoubleClickAt(HWND hwnd, const RECT& r);

}  // namespace shell_testing
