// Damaged shortcut files through the administration program's list and its
// Enter, copy and properties commands; damaged settings files through the
// opening of a profile and the options dialog's OK.
#include "tests/admin/main/main_window_fixture.h"
#include "tests/hostile/generated_files.h"

#include "admin/rules/parametres.h"
#include "ui/application.h"

using namespace hostile;

namespace {

// Entries per folder on view: each properties command reads the folder again.
constexpr int kEntriesOnView = 6;

class HostileAdminTest : public quorvel::MainWindowTest {
protected:
    HostileAdminTest() {
        InstallCrashGuard();
        main->Show();   // opens the default profile
        root = main->DossierBureau;
        // Off the screen, the windows and dialogs are not drawn for nothing;
        // the keys still reach the list, which keeps the focus. The toolbar,
        // hidden, takes its clicks without redrawing at each selection.
        for (ui::Form* form : std::initializer_list<ui::Form*>{main.get(), nouvracc.get(), options.get()})
            SetWindowPos(form->Handle(), nullptr, -3000, -3000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(main->Wallpaper1.Handle(), SW_HIDE);
        Shown();
    }

    // A key pressed in the list, through the program's message dispatch.
    // Answers what escaped it: an exception there ends the program.
    std::string Key(WORD key, bool ctrl = false) {
        SetFocus(main->LsFileListView1.Handle());
        testing_support::HeldKeys held(ctrl ? std::vector<WORD>{VK_CONTROL} : std::vector<WORD>{});
        PostMessageA(main->LsFileListView1.Handle(), WM_KEYDOWN, key, 1);
        std::string escaped;
        try {
            ui::Application::Instance().ProcessMessages();
        } catch (const std::exception& e) {
            escaped = e.what();
        }
        return escaped;
    }
    bool Select(const std::string& caption) {
        for (int i = 0; i < main->LsFileListView1.Count(); ++i)
            if (main->LsFileListView1.ItemText(i) == caption) {
                main->LsFileListView1.Select(i);
                return true;
            }
        return false;
    }
    // What was shown since the last call: message texts, then form captions.
    std::vector<std::string> Shown() {
        std::vector<std::string> shown = messages.TakeTexts();
        for (const auto& f : shownForms) shown.push_back("[" + f + "]");
        shownForms.clear();
        return shown;
    }
    void Expect(const Case& c, const char* command, const std::vector<std::string>& expected) {
        std::vector<std::string> shown = Shown();
        if (shown != expected)
            failures.Add(c, std::string(command) + " did not show what the link calls for",
                         testing::PrintToString(shown) + " instead of " + testing::PrintToString(expected));
    }

    std::string root;
    Failures failures;
    // COM stays started for the whole run, so that each link read or written
    // does not start it anew: the same work, in a fraction of the time.
    ui::ComScope com;
};

std::string ReadError(const std::string& path) {
    velmora::TVornShellLink link;
    return hostile::ReadError(path, link);
}

}  // namespace

TEST_F(HostileAdminTest, EnterCopyAndPropertiesOpenTheShortcutOrTellWhyAndLoseNothing) {
    const std::string dialog = "[" + nouvracc->Text() + "]";
    for (int first = 0; first < kLinkCases; first += kEntriesOnView) {
        testing_support::DeleteTree(root);
        CreateDirectoryA(root.c_str(), nullptr);
        std::vector<Case> batch;
        for (int n = first; n < first + kEntriesOnView && n < kLinkCases; ++n)
            MakeLinkCase(batch.emplace_back("link", n), root + "\\c" + std::to_string(n) + ".lnk");
        {
            CaseGuard guard(batch);
            main->LsFileListView1.SetDirectory(root + "\\");
        }
        for (const Case& c : batch) {
            CaseGuard guard(c);
            std::string caption = "c" + std::to_string(c.number) + ".lnk";
            if (!Select(caption)) {
                failures.Add(c, "the list does not show the file", caption);
                continue;
            }
            std::string error = ReadError(c.path);
            if (std::string escaped = Key('C', true); !escaped.empty())
                failures.Add(c, "Ctrl+C ended the program", escaped);
            else
                Expect(c, "Ctrl+C", error.empty() ? std::vector<std::string>{} : std::vector<std::string>{error});

            // A link that does not read stops Enter and Properties with its
            // own error. One that reads opens the dialog: through Enter
            // (cancelled), or one case in four through Properties, where OK
            // writes it again in its place, or the edit is refused and the
            // file stays as it was.
            bool readable = error.empty(), rewritten = false, edited = c.number % 4 == 0;
            if (!readable || !edited) {
                answer = [](ui::Form&) { return static_cast<int>(ui::mrCancel); };
                if (std::string escaped = Key(VK_RETURN); !escaped.empty())
                    failures.Add(c, "Enter ended the program", escaped);
                else
                    Expect(c, "Enter", {readable ? dialog : error});
                answer = nullptr;
            }
            if (!readable || edited) {
                Release(main->TBBPro, ui::MouseButton::Left, false, false, false);
                std::vector<std::string> shown = Shown();
                bool refused = shown == std::vector<std::string>{dialog, "Erreur en modification du raccourci..."};
                if (shown != std::vector<std::string>{readable ? dialog : error} && !refused)
                    failures.Add(c, "Properties did not show what the link calls for", testing::PrintToString(shown));
                rewritten = readable && !refused;
                if (rewritten && !ReadError(c.path).empty()) failures.Add(c, "the shortcut written again does not read");
            }
            if (!rewritten && testing_support::ReadFile(c.path) != c.bytes)
                failures.Add(c, "a shortcut that was not written again changed");
        }
    }
}

TEST_F(HostileAdminTest, ASettingsFileOpensAndTheOptionsOkWritesBackWhatTheDialogShowed) {
    velmora::SettingsFile file(root + ".INI");
    for (int n = 0; n < kSettingsCases; ++n) {
        Case c("settings", n);
        MakeSettingsCase(c, file.Path());
        CaseGuard guard(c);
        main->ChargeParametres();
        quorvel::OptionValues shown = options->Values();
        Release(main->TBBOpt, ui::MouseButton::Left, false, false, false);
        std::vector<std::string> texts = Shown();
        if (texts.size() != 1 || texts[0] != "[" + options->Text() + "]") {
            failures.Add(c, "opening and the options' OK showed more than the dialog", testing::PrintToString(texts));
            continue;
        }
        if (quorvel::LitParametres(file) != shown) failures.Add(c, "OK without a change changed the settings");
    }
}
