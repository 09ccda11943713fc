// Damaged shortcut files, settings files and pictures through the shell's
// desktop loading, launching and painting.
#include "tests/hostile/generated_files.h"
#include "tests/shell/shell_fixture.h"


#include <map>

using namespace hostile;

namespace {

struct PaintableShell : dovrane::TVantrel95 {
    using TVantrel95::FormPaint;
};

class HostileShellTest : public shell_testing::ShellTest {
protected:
    HostileShellTest() {
        InstallCrashGuard();
        profile = MakeProfile("marc");
    }

    std::string profile;
    Failures failures;
    // COM stays started for the whole run, so that each link read does not
    // start it anew: the same work, in a fraction of the time.
    ui::ComScope com;
};

// The window's client area as painted: background, then the picture.
std::vector<COLORREF> Painted(PaintableShell& shell) {
    RECT client = shell.ClientRect();
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    ui::BitmapHandle canvas(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ui::MemoryDC dc(nullptr);
    ui::SelectObjectScope select(dc.get(), canvas.get());
    SendMessageA(shell.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
    shell.FormPaint(dc.get());
    GdiFlush();
    std::vector<COLORREF> pixels;
    const auto* p = static_cast<const RGBQUAD*>(bits);
    for (LONG i = 0; i < client.right * client.bottom; ++i)
        pixels.push_back(RGB(p[i].rgbRed, p[i].rgbGreen, p[i].rgbBlue));
    return pixels;
}

}  // namespace

TEST_F(HostileShellTest, EachShortcutGetsAnIconAndStartsWhatItNamesOrTellsWhyNot) {
    for (int first = 0; first < kLinkCases; first += dovrane::kSlotCount - 1) {
        testing_support::DeleteTree(profile);
        MakeProfile("marc");
        std::vector<Case> batch;
        std::map<std::string, size_t> byPath;
        for (int n = first; n < first + dovrane::kSlotCount - 1 && n < kLinkCases; ++n) {
            Case& c = batch.emplace_back("link", n);
            MakeLinkCase(c, profile + "\\c" + std::to_string(n) + ".lnk");
            byPath[c.path] = batch.size() - 1;
        }
        auto shell = [&] {
            CaseGuard guard(batch);
            auto s = MakeShell();
            s->LoadProfile();
            return s;
        }();
        SetWindowPos(shell->Handle(), nullptr, 0, 0, 600, 420, SWP_NOZORDER | SWP_NOACTIVATE);
        for (const std::string& text : messages.TakeTexts()) failures.Add(batch[0], "loading showed a message", text);

        for (int slot = 1; slot <= static_cast<int>(batch.size()); ++slot) {
            auto found = byPath.find(shell->Slots[slot].Path);
            if (!shell->ic[slot]->Visible() || found == byPath.end()) {
                failures.Add(batch[0], "a slot holds no generated entry", std::to_string(slot));
                continue;
            }
            const Case& c = batch[found->second];
            CaseGuard guard(c);
            if (!shell->ic[slot]->Icon()) failures.Add(c, "no icon");
            // The double-click starts the link's target with its arguments,
            // or shows the link's own error.
            velmora::TVornShellLink link;
            std::string error = ReadError(c.path, link);
            startAnswer = slot % 4 ? 33 : 2;   // now and then the system cannot start it
            size_t startedBefore = started.size();
            shell_testing::DoubleClickAt(shell->Handle(), dovrane::IconRect(slot));
            std::vector<std::string> shown = messages.TakeTexts();
            std::vector<std::string> expectedShown;
            if (!error.empty()) expectedShown.push_back(error);
            else if (startAnswer < 32) expectedShown.push_back("Accès impossible...");
            if (shown != expectedShown)
                failures.Add(c, "the double-click did not show what the link calls for",
                             testing::PrintToString(shown) + " instead of " + testing::PrintToString(expectedShown));
            std::vector<std::string> starts(started.begin() + startedBefore, started.end());
            std::vector<std::string> expectedStarts;
            if (error.empty()) expectedStarts.push_back(link.Target + " " + link.Arguments);
            if (starts != expectedStarts)
                failures.Add(c, "the double-click did not start what the link names",
                             testing::PrintToString(starts) + " instead of " + testing::PrintToString(expectedStarts));
        }
    }
}

TEST_F(HostileShellTest, ASettingsFileGivesColoursAndFlagsWithoutAWord) {
    auto shell = MakeShell();
    for (int n = 0; n < kSettingsCases; ++n) {
        Case c("settings", n);
        MakeSettingsCase(c, velmora::SettingsFileOf(Profiles(), "marc"));
        CaseGuard guard(c);
        shell->LoadProfile();
        for (const std::string& text : messages.TakeTexts()) failures.Add(c, "loading showed a message", text);
        const std::pair<const char*, COLORREF> colors[] = {{"desktop", shell->Color()},
                                                           {"text", shell->lb[1]->FontColor()},
                                                           {"text background", shell->lb[1]->Color()}};
        for (const auto& [what, color] : colors)
            if (color > 0xFFFFFF) failures.Add(c, std::string("the ") + what + " colour is none the screen can show");
    }
}

TEST_F(HostileShellTest, TheDesktopShowsThePicturesColoursOrItsOwnNeverAnother) {
    PaintableShell shell;
    SetWindowPos(shell.Handle(), nullptr, 0, 0, 200, 150, SWP_NOZORDER | SWP_NOACTIVATE);
    for (int n = 0; n < kPictureCases; ++n) {
        Case c("picture", n);
        MakePictureCase(c, windows / ("fond" + std::to_string(n) + ".bmp"));
        Settings("marc", "[BackGround]\r\nImage=" + c.path + "\r\n");
        CaseGuard guard(c);
        shell.LoadProfile();
        for (const std::string& text : messages.TakeTexts()) failures.Add(c, "loading showed a message", text);
        if (c.kind == kIntact && !shell.BackBitmap) failures.Add(c, "an intact picture is not shown");
        std::vector<COLORREF> allowed = PictureColors();
        allowed.push_back(shell.Color());
        for (COLORREF pixel : Painted(shell)) {
            if (std::find(allowed.begin(), allowed.end(), pixel) != allowed.end()) continue;
            failures.Add(c, "the desktop shows a colour that neither the picture nor the profile holds",
                         std::to_string(pixel));
            break;
        }
    }
}
