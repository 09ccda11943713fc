#include "admin/dialogs/dialog_look.h"

#include "ui/application.h"
#include "ui/platform.h"

namespace quorvel {

void ShowFailure(HWND owner, const std::string& text) {
    ui::ShowMessage(owner, text, ui::Application::Instance().Title(), MB_OK);
}

}  // namespace quorvel
