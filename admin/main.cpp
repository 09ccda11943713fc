// Quorvel: the administration program of the Velmora desktop.
#include "admin/main/main_window.h"
#include "admin/dialogs/nomdossier.h"
#include "admin/dialogs/nouvracc.h"
#include "admin/dialogs/options.h"
#include "admin/dialogs/selectuser.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ui::Application& app = ui::Application::Instance();
    int exitCode = 1;   // when start-up itself failed
    ui::Guarded([&] {
        app.SetTitle("Installation du Velmora");
        app.Initialize();
        app.helpFile = "Velmo95.hlp";

        // The long-lived forms, in this order: the profiles dialog's first-run
        // work saves the default profile through the main window and the options.
        quorvel::TMain main;
        quorvel::TNomdossier nomdossier;
        quorvel::TNouvracc nouvracc;
        quorvel::TFOptions options;
        main.Nomdossier = &nomdossier;
        main.Nouvracc = &nouvracc;
        main.FOptions = &options;
        quorvel::TSelectUser selectUser(options, [&main](const std::string& folder) {
            main.DossierBureau = folder;
            main.SauveParametres();
        });
        main.SelectUser = &selectUser;
        selectUser.onEmplacement = [&main] { main.OuvreProfilParDefaut(); };

        app.SetMainForm(&main);
        exitCode = app.Run();
        app.SetMainForm(nullptr);
    });
    return exitCode;
}
