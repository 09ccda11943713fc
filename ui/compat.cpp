#include "ui/compat.h"

#include "ui/application.h"
#include "ui/handles.h"

#include <commctrl.h>
#include <tlhelp32.h>

namespace ui {

namespace {

using TrackMouseEventFn = BOOL(WINAPI*)(TRACKMOUSEEVENT*);

TrackMouseEventFn TrackMouseEventCall() {
    static TrackMouseEventFn call = [] {
        if (auto f = SystemFunction<TrackMouseEventFn>("user32.dll", "TrackMouseEvent")) return f;
        return SystemFunction<TrackMouseEventFn>("comctl32.dll", "_TrackMouseEvent");
    }();
    return call;
}

OSVERSIONINFOA SystemVersion() {
    static const OSVERSIONINFOA version = [] {
        OSVERSIONINFOA info = {};
        info.dwOSVersionInfoSize = sizeof info;
        GetVersionExA(&info);
        return info;
    }();
    return version;
}

}  // namespace

bool IsWindows9x() { return SystemVersion().dwPlatformId == VER_PLATFORM_WIN32_WINDOWS; }

bool SystemHasHandCursor() {
    OSVERSIONINFOA v = SystemVersion();
    return v.dwMajorVersion > 4 || (IsWindows9x() && v.dwMinorVersion >= 10);
}

HCURSOR OwnHandCursor(int ownId) { return LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(ownId)); }

HCURSOR HandCursor(int ownId) {
    return SystemHasHandCursor() ? LoadCursor(nullptr, IDC_HAND) : OwnHandCursor(ownId);
}

int CachedImageIndex(const std::string& file, int index) {
    using CachedIndexFn = int(WINAPI*)(const void*, int, UINT);
    static CachedIndexFn cached = reinterpret_cast<CachedIndexFn>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("shell32.dll"), MAKEINTRESOURCEA(72))));
    if (!cached) return -1;
    if (IsWindows9x()) return cached(file.c_str(), index, 0);
    WCHAR wide[MAX_PATH];
    return MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH) ? cached(wide, index, 0) : -1;
}

void InitCommonControlsCompat() {
    static const bool initialised = [] {
        HMODULE comctl = LoadLibraryA("comctl32.dll");   // stays loaded
        if (!comctl) return false;
        using InitExFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        if (auto initEx = reinterpret_cast<InitExFn>(
                reinterpret_cast<void*>(GetProcAddress(comctl, "InitCommonControlsEx")))) {
            INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
            return initEx(&icc) != FALSE;
        }
        // COMCTL32 4.00 registers every Windows 95 class at once.
        using InitFn = void(WINAPI*)();
        if (auto init = reinterpret_cast<InitFn>(reinterpret_cast<void*>(GetProcAddress(comctl, "InitCommonControls"))))
            init();
        return true;
    }();
    (void)initialised;
}

HWND RootWindow(HWND hwnd) {
    using GetAncestorFn = HWND(WINAPI*)(HWND, UINT);
    static GetAncestorFn getAncestor = SystemFunction<GetAncestorFn>("user32.dll", "GetAncestor");
    return getAncestor ? getAncestor(hwnd, GA_ROOT) : RootWindowByParents(hwnd);
}

HWND RootWindowByParents(HWND hwnd) {
    // A child's parent is its container; a top-level window's "parent" is its
    // owner, where the walk must stop.
    while (hwnd && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) {
        HWND parent = GetParent(hwnd);
        if (!parent || parent == GetDesktopWindow()) break;
        hwnd = parent;
    }
    return hwnd;
}

void TrackMouseLeave(HWND hwnd) {
    if (TrackMouseEventFn track = TrackMouseEventCall()) {
        TRACKMOUSEEVENT tme = {sizeof tme, TME_LEAVE, hwnd, 0};
        track(&tme);
    } else {
        TrackMouseLeaveByTimer(hwnd);
    }
}

void TrackMouseLeaveByTimer(HWND hwnd) { SetTimer(hwnd, kMouseLeaveTimer, 50, nullptr); }

void MouseLeaveTimerTick(HWND hwnd) {
    POINT pt;
    GetCursorPos(&pt);
    if (WindowFromPoint(pt) == hwnd) return;
    KillTimer(hwnd, kMouseLeaveTimer);
    SendMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
}

bool EnableShutdownPrivilege() {
    if (IsWindows9x()) return true;
    // Looked up: Windows 95's ADVAPI32 has none of them.
    using OpenTokenFn = BOOL(WINAPI*)(HANDLE, DWORD, HANDLE*);
    using LookupFn = BOOL(WINAPI*)(const char*, const char*, LUID*);
    using AdjustFn = BOOL(WINAPI*)(HANDLE, BOOL, TOKEN_PRIVILEGES*, DWORD, TOKEN_PRIVILEGES*, DWORD*);
    auto openToken = SystemFunction<OpenTokenFn>("advapi32.dll", "OpenProcessToken");
    auto lookup = SystemFunction<LookupFn>("advapi32.dll", "LookupPrivilegeValueA");
    auto adjust = SystemFunction<AdjustFn>("advapi32.dll", "AdjustTokenPrivileges");
    HANDLE token = nullptr;
    if (!openToken || !lookup || !adjust ||
        !openToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    KernelHandle owner(token);
    TOKEN_PRIVILEGES wanted = {};
    wanted.PrivilegeCount = 1;
    wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!lookup(nullptr, "SeShutdownPrivilege", &wanted.Privileges[0].Luid)) return false;
    // Succeeds without enabling anything when the account lacks the privilege.
    return adjust(token, FALSE, &wanted, 0, nullptr, nullptr) && GetLastError() == ERROR_SUCCESS;
}

std::string ProgramFileOf(DWORD processId) {
    // Looked up: NT 4 has no Toolhelp.
    using SnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
    using ProcessFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);
    using ModuleFn = BOOL(WINAPI*)(HANDLE, MODULEENTRY32*);
    static auto snapshot = SystemFunction<SnapshotFn>("kernel32.dll", "CreateToolhelp32Snapshot");
    static auto first = SystemFunction<ProcessFn>("kernel32.dll", "Process32First");
    static auto next = SystemFunction<ProcessFn>("kernel32.dll", "Process32Next");
    static auto firstModule = SystemFunction<ModuleFn>("kernel32.dll", "Module32First");
    if (!snapshot || !first || !next || !firstModule) return {};

    std::string program;
    FileHandle processes(snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 process = {};
    process.dwSize = sizeof process;
    for (BOOL more = processes && first(processes.get(), &process); more; more = next(processes.get(), &process)) {
        if (process.th32ProcessID == processId) {
            program = process.szExeFile;
            break;
        }
    }
    if (program.empty() || program.find('\\') != std::string::npos) return program;
    // The first module of a process is its program file.
    FileHandle modules(snapshot(TH32CS_SNAPMODULE, processId));
    MODULEENTRY32 module = {};
    module.dwSize = sizeof module;
    if (modules && firstModule(modules.get(), &module)) program = module.szExePath;
    return program;
}

namespace {

std::function<void()>& WindowEventTarget() {
    static std::function<void()> target;
    return target;
}

void CALLBACK WindowEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    // Events come for a window's parts too, and for child windows.
    if (event == EVENT_OBJECT_DESTROY || object != OBJID_WINDOW || child != CHILDID_SELF) return;
    if (!hwnd || (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) || !WindowEventTarget()) return;
    Guarded([] { WindowEventTarget()(); });
}

}  // namespace

WindowEventHook::WindowEventHook(std::function<void()> onReport) {
    using SetHookFn = HWINEVENTHOOK(WINAPI*)(DWORD, DWORD, HMODULE, WINEVENTPROC, DWORD, DWORD, DWORD);
    static auto setHook = SystemFunction<SetHookFn>("user32.dll", "SetWinEventHook");
    if (!setHook) return;
    WindowEventTarget() = std::move(onReport);
    // Out of context: the events come as messages to this thread, in no
    // other program's process.
    hook_ = setHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_SHOW, nullptr, WindowEvent, 0, 0,
                    WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
}

WindowEventHook::~WindowEventHook() {
    using UnhookFn = BOOL(WINAPI*)(HWINEVENTHOOK);
    static auto unhook = SystemFunction<UnhookFn>("user32.dll", "UnhookWinEvent");
    if (hook_ && unhook) unhook(hook_);
    WindowEventTarget() = nullptr;
}

void DrawTransparent(HDC dst, int x, int y, int w, int h, HDC src, int sw, int sh, COLORREF key) {
    // A monochrome mask: white where the source has the key colour.
    MemoryDC maskDC(dst);
    BitmapHandle mask(CreateBitmap(sw, sh, 1, 1, nullptr));
    SelectObjectScope selectMask(maskDC.get(), mask.get());
    COLORREF oldBack = SetBkColor(src, key);
    BitBlt(maskDC.get(), 0, 0, sw, sh, src, 0, 0, SRCCOPY);
    SetBkColor(src, oldBack);

    // The source with its key pixels made black, so that it can be ORed in.
    MemoryDC imageDC(dst);
    BitmapHandle image(CreateCompatibleBitmap(dst, sw, sh));
    SelectObjectScope selectImage(imageDC.get(), image.get());
    BitBlt(imageDC.get(), 0, 0, sw, sh, src, 0, 0, SRCCOPY);
    SetBkColor(imageDC.get(), RGB(0, 0, 0));
    SetTextColor(imageDC.get(), RGB(255, 255, 255));
    BitBlt(imageDC.get(), 0, 0, sw, sh, maskDC.get(), 0, 0, SRCAND);

    // The destination with holes (black) where the picture goes, then the picture.
    COLORREF dstBack = SetBkColor(dst, RGB(255, 255, 255));
    COLORREF dstText = SetTextColor(dst, RGB(0, 0, 0));
    int oldMode = SetStretchBltMode(dst, COLORONCOLOR);
    StretchBlt(dst, x, y, w, h, maskDC.get(), 0, 0, sw, sh, SRCAND);
    StretchBlt(dst, x, y, w, h, imageDC.get(), 0, 0, sw, sh, SRCPAINT);
    SetStretchBltMode(dst, oldMode);
    SetTextColor(dst, dstText);
    SetBkColor(dst, dstBack);
}

}  // namespace ui
