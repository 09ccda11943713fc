// Dovrane: the restricted desktop shell.
#include "shell/vantrel95.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ui::Application& app = ui::Application::Instance();
    int exitCode = 1;   // when start-up itself failed
    ui::Guarded([&] {
        app.SetTitle("Velmora pour Windows 95");
        app.Initialize();
        app.helpFile = "velmo95";
        app.hintPause = 0;
        dovrane::TVantrel95 main;
        if (main.EndedAtCreation()) {
            exitCode = 0;
            return;
        }
        app.SetMainForm(&main);
        exitCode = app.Run();
        app.SetMainForm(nullptr);
    });
    return exitCode;
}
