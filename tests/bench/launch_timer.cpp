// Starts a program and measures the time until a window with a given title
// prefix is visible, then ends the program. Prints milliseconds.
//   LaunchTimer PROGRAM TITLE-PREFIX
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Search {
    const char* prefix;
    DWORD process;
    bool found;
};

BOOL CALLBACK Look(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char title[128] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    if (pid == s->process && IsWindowVisible(hwnd) && std::strncmp(title, s->prefix, std::strlen(s->prefix)) == 0) {
        s->found = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    std::string command = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 1;
    Search search = {argv[2], pi.dwProcessId, false};
    double ms = -1;
    for (int i = 0; i < 60000 && !search.found; ++i) {
        EnumWindows(Look, reinterpret_cast<LPARAM>(&search));
        QueryPerformanceCounter(&now);
        if (search.found) ms = (now.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
        else Sleep(1);
    }
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    std::printf("%.1f\n", ms);
    return search.found ? 0 : 1;
}
