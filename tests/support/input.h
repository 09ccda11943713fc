// Keyboard input for the tests: characters and keys posted to a control and
// run through the application's own message loop (dialog keys included), or
// real key presses that the system delivers to the focused window.
#pragma once

#include "ui/application.h"

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

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

// Keys held down in this thread's keyboard state (what GetKeyState reads)
// for a scope, and let go at its end.
class HeldKeys {
public:
    explicit HeldKeys(std::vector<WORD> keys) : keys_(std::move(keys)) { Set(0x80); }
    ~HeldKeys() { Set(0); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    void Set(BYTE state) const {
        BYTE all[256];
        GetKeyboardState(all);
        for (WORD k : keys_) all[k] = state;
        SetKeyboardState(all);
    }
    std::vector<WORD> keys_;
};

// The keys pressed in order and released in reverse, as a person plays a
// chord, as input for SendInput.
inline std::vector<INPUT> ChordInputs(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD k : keys) inputs.push_back(INPUT{INPUT_KEYBOARD, {.ki = {k, 0, 0, 0, 0}}});
    for (auto it = keys.end(); it != keys.begin();)
        inputs.push_back(INPUT{INPUT_KEYBOARD, {.ki = {*--it, 0, KEYEVENTF_KEYUP, 0, 0}}});
    return inputs;
}

// A real chord, delivered by the system to the focused window; the caller
// runs the messages that follow.
inline void PressRealKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs = ChordInputs(keys);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace testing_support
