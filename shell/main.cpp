// Dovrane: the restricted desktop shell.
#include "shell/vantrel95.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ui::Application& app = ui::Application::Instance();
    app.Initialize();
    app.SetTitle("Velmora pour Windows 95");
    app.helpFile = "velmo95";
    app.hintPause = 0;
    dovrane::TVantrel95 main;
    if (main.EndedAtCreation()) return 0;
    app.SetMainForm(&main);
    return app.Run();
}
