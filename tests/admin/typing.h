// Keyboard input for the admin dialogs' tests: keys posted to a control and
// run through the application's own message loop, dialog keys included.
#pragma once

#include "ui/application.h"

#include <windows.h>

#include <string>

namespace testing_support {

inline void Type(HWND control, const std::string& text) {
    for (char c : text) PostMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
    ui::Application::Instance().ProcessMessages();
}

inline void PressKey(HWND control, WORD key) {
    PostMessageA(control, WM_KEYDOWN, key, 1);
    PostMessageA(control, WM_KEYUP, key, 0xC0000001);
    ui::Application::Instance().ProcessMessages();
}

}  // namespace testing_support
