// Drives and watches Windows programs from inside their Wine desktop, for the
// end-to-end scripts: real input through SendInput, windows found by class
// and title.
//   E2EProbe wait-window CLASS TITLE SECONDS   a visible window appears
//   E2EProbe wait-gone CLASS TITLE SECONDS     no such window is left
//   E2EProbe visible CLASS TITLE               exit 0 when visible
//   E2EProbe start-button                      exit 0 when the taskbar's start button is not
//                                              hidden (whether the taskbar itself shows or not)
//   E2EProbe double-click X Y                  a real double-click at a screen point
//   E2EProbe type TEXT                         real key presses of letters and digits
//   E2EProbe keys-alt LETTER|f4                Alt+LETTER, or Alt+F4
//   E2EProbe activate CLASS TITLE              brings the window to the front, with the keyboard
//   E2EProbe enter                             the Enter key
//   E2EProbe key tab|insert|enter|f1|backspace|escape
//                                              one key
//   E2EProbe text TEXT                         any characters, typed as they are
//   E2EProbe click-client CLASS TITLE X Y      a left click at a point of a window's client area
//   E2EProbe ctrl-alt-click left|right X Y     a click with Ctrl and Alt held
//   E2EProbe inked X0 Y0 X1 Y1                 prints how many pixels of the rectangle are not white
//   E2EProbe close CLASS TITLE                 asks the window to close
//   E2EProbe lifetime CLASS TITLE SECONDS      waits for such a window, shown or not, then until it is
//                                              gone; prints how many milliseconds it lived
//   E2EProbe wait-heading CLASS TITLE TEXT SECONDS
//                                              a visible window shows TEXT as the first line
//                                              of a child's text (a help topic's title)
// CLASS or TITLE "-" matches any.
#include "tests/support/input.h"

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using testing_support::ChordInputs;

const char* Arg(const char* s) { return std::strcmp(s, "-") == 0 ? nullptr : s; }

HWND Find(const char* cls, const char* title) {
    HWND w = FindWindowA(Arg(cls), Arg(title));
    return w && IsWindowVisible(w) ? w : nullptr;
}

bool WaitFor(bool present, const char* cls, const char* title, int seconds) {
    for (int i = 0; i < seconds * 10; ++i) {
        if ((Find(cls, title) != nullptr) == present) return true;
        Sleep(100);
    }
    return false;
}

INPUT Mouse(DWORD flags, int x, int y) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return in;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(200);
}

void Click(int x, int y, DWORD down, DWORD up) {
    Send({Mouse(0, x, y), Mouse(down, x, y), Mouse(up, x, y)});
}

void DoubleClick(int x, int y) {
    // Each click carries its absolute move: Wine clicks where the move says.
    Send({Mouse(0, x, y), Mouse(MOUSEEVENTF_LEFTDOWN, x, y), Mouse(MOUSEEVENTF_LEFTUP, x, y),
          Mouse(MOUSEEVENTF_LEFTDOWN, x, y), Mouse(MOUSEEVENTF_LEFTUP, x, y)});
}

// Polled often: a way out that the shell closes may live a few milliseconds.
// Answers how long the window lived, or -1 when it never came or never went.
int Lifetime(const char* cls, const char* title, int seconds) {
    HWND w = nullptr;
    for (DWORD end = GetTickCount() + seconds * 1000; !w && GetTickCount() < end; Sleep(5))
        w = FindWindowA(Arg(cls), Arg(title));
    DWORD born = GetTickCount();
    while (w && IsWindow(w) && GetTickCount() - born < 30000) Sleep(5);
    return w && !IsWindow(w) ? static_cast<int>(GetTickCount() - born) : -1;
}

struct HeadingSearch {
    std::string heading;
    std::string seen;   // the first lines read
    bool found = false;
};

// Reads the first line of a child's text; stops the search when it ends with
// the heading.
BOOL CALLBACK ReadHeading(HWND child, LPARAM lp) {
    auto& search = *reinterpret_cast<HeadingSearch*>(lp);
    char text[4096] = "";
    DWORD_PTR length = 0;
    SendMessageTimeoutA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000,
                        &length);
    std::string line(text, std::strcspn(text, "\r\n"));
    search.seen += " [" + line + "]";
    const std::string& heading = search.heading;
    search.found = line.size() >= heading.size() &&
                   line.compare(line.size() - heading.size(), heading.size(), heading) == 0;
    return !search.found;
}

}  // namespace

int main(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "wait-window" && argc == 5) return WaitFor(true, argv[2], argv[3], std::atoi(argv[4])) ? 0 : 1;
    if (command == "wait-gone" && argc == 5) return WaitFor(false, argv[2], argv[3], std::atoi(argv[4])) ? 0 : 1;
    if (command == "wait-heading" && argc == 6) {
        HeadingSearch search;
        for (int i = 0; i < std::atoi(argv[5]) * 10; ++i) {
            search = HeadingSearch{argv[4], "", false};
            HWND w = Find(argv[2], argv[3]);
            if (w) EnumChildWindows(w, ReadHeading, reinterpret_cast<LPARAM>(&search));
            if (search.found) return 0;
            Sleep(100);
        }
        std::fprintf(stderr, "the lines seen:%s\n", search.seen.c_str());
        return 1;
    }
    if (command == "lifetime" && argc == 5) {
        int lived = Lifetime(argv[2], argv[3], std::atoi(argv[4]));
        std::printf("%d\n", lived);
        return lived < 0 ? 1 : 0;
    }
    if (command == "visible" && argc == 4) return Find(argv[2], argv[3]) ? 0 : 1;
    if (command == "start-button") {
        HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
        HWND start = tray ? FindWindowExA(tray, nullptr, "Button", nullptr) : nullptr;
        return start && (GetWindowLongA(start, GWL_STYLE) & WS_VISIBLE) ? 0 : 1;
    }
    if (command == "double-click" && argc == 4) {
        DoubleClick(std::atoi(argv[2]), std::atoi(argv[3]));
        return 0;
    }
    if (command == "type" && argc == 3) {
        std::vector<INPUT> keys;
        for (const char* c = argv[2]; *c; ++c) {
            std::vector<INPUT> key = ChordInputs({static_cast<WORD>(std::toupper(static_cast<unsigned char>(*c)))});
            keys.insert(keys.end(), key.begin(), key.end());
        }
        Send(keys);
        return 0;
    }
    if (command == "keys-alt" && argc == 3) {
        WORD vk = std::string(argv[2]) == "f4" ? VK_F4 : static_cast<WORD>(std::toupper(static_cast<unsigned char>(argv[2][0])));
        Send(ChordInputs({VK_MENU, vk}));
        return 0;
    }
    if (command == "key" && argc == 3) {
        std::string name = argv[2];
        WORD vk = name == "tab" ? VK_TAB : name == "insert" ? VK_INSERT : name == "f1" ? VK_F1
                : name == "backspace" ? VK_BACK : name == "escape" ? VK_ESCAPE : VK_RETURN;
        Send(ChordInputs({vk}));
        return 0;
    }
    if (command == "text" && argc == 3) {
        std::vector<INPUT> keys;
        for (const char* c = argv[2]; *c; ++c) {
            wchar_t unit = 0;
            MultiByteToWideChar(CP_ACP, 0, c, 1, &unit, 1);
            for (DWORD flags : {KEYEVENTF_UNICODE, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP}) {
                INPUT in = {};
                in.type = INPUT_KEYBOARD;
                in.ki.wScan = unit;
                in.ki.dwFlags = flags;
                keys.push_back(in);
            }
        }
        Send(keys);
        return 0;
    }
    if (command == "click-client" && argc == 6) {
        HWND w = Find(argv[2], argv[3]);
        if (!w) return 1;
        POINT at = {std::atoi(argv[4]), std::atoi(argv[5])};
        ClientToScreen(w, &at);
        Click(at.x, at.y, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        return 0;
    }
    if (command == "ctrl-alt-click" && argc == 5) {
        bool right = std::string(argv[2]) == "right";
        int x = std::atoi(argv[3]), y = std::atoi(argv[4]);
        // The keys stay down while the click is handled, as a hand holds them.
        std::vector<INPUT> keys = ChordInputs({VK_CONTROL, VK_MENU});
        Send({keys[0], keys[1]});
        Click(x, y, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN,
              right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
        Send({keys[2], keys[3]});
        return 0;
    }
    if (command == "inked" && argc == 6) {
        HDC screen = GetDC(nullptr);
        int count = 0;
        for (int y = std::atoi(argv[3]); y < std::atoi(argv[5]); ++y)
            for (int x = std::atoi(argv[2]); x < std::atoi(argv[4]); ++x)
                count += GetPixel(screen, x, y) != RGB(255, 255, 255);
        ReleaseDC(nullptr, screen);
        std::printf("%d\n", count);
        return 0;
    }
    if (command == "activate" && argc == 4) {
        HWND w = Find(argv[2], argv[3]);
        if (w) SetForegroundWindow(w);
        Sleep(200);
        return w ? 0 : 1;
    }
    if (command == "enter") {
        Send(ChordInputs({VK_RETURN}));
        return 0;
    }
    if (command == "close" && argc == 4) {
        HWND w = Find(argv[2], argv[3]);
        if (w) PostMessageA(w, WM_CLOSE, 0, 0);
        return w ? 0 : 1;
    }
    std::fprintf(stderr, "usage: see the head of probe.cpp\n");
    return 2;
}
