// Owners for system handles. Each holder is non-copyable and movable, and
// releases what it holds exactly once.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

namespace ui {

template <class H, class Traits>
class Handle {
public:
    Handle() = default;
    explicit Handle(H h) : h_(h) {}
    ~Handle() { reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle(Handle&& other) noexcept : h_(other.release()) {}
    Handle& operator=(Handle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    H get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::invalid(); }
    H release() { return std::exchange(h_, Traits::invalid()); }
    void reset(H h = Traits::invalid()) {
        if (h_ != Traits::invalid() && h_ != h) Traits::close(h_);
        h_ = h;
    }

private:
    H h_ = Traits::invalid();
};

template <class H>
struct GdiTraits {
    static H invalid() { return nullptr; }
    static void close(H h) { DeleteObject(h); }
};
struct IconTraits {
    static HICON invalid() { return nullptr; }
    static void close(HICON h) { DestroyIcon(h); }
};
struct KeyTraits {
    static HKEY invalid() { return nullptr; }
    static void close(HKEY h) { RegCloseKey(h); }
};
struct FindTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { FindClose(h); }
};
struct KernelTraits {
    static HANDLE invalid() { return nullptr; }
    static void close(HANDLE h) { CloseHandle(h); }
};
// CreateFile answers INVALID_HANDLE_VALUE on failure, not a null handle.
struct FileTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { CloseHandle(h); }
};
struct MenuTraits {
    static HMENU invalid() { return nullptr; }
    static void close(HMENU h) { DestroyMenu(h); }
};
struct HookTraits {
    static HHOOK invalid() { return nullptr; }
    static void close(HHOOK h) { UnhookWindowsHookEx(h); }
};

using FontHandle = Handle<HFONT, GdiTraits<HFONT>>;
using BrushHandle = Handle<HBRUSH, GdiTraits<HBRUSH>>;
using BitmapHandle = Handle<HBITMAP, GdiTraits<HBITMAP>>;
using PenHandle = Handle<HPEN, GdiTraits<HPEN>>;
using IconHandle = Handle<HICON, IconTraits>;
using KeyHandle = Handle<HKEY, KeyTraits>;
using FindHandle = Handle<HANDLE, FindTraits>;
using KernelHandle = Handle<HANDLE, KernelTraits>;
using FileHandle = Handle<HANDLE, FileTraits>;
using MenuHandle = Handle<HMENU, MenuTraits>;
using HookHandle = Handle<HHOOK, HookTraits>;

// A device context selection that is undone when the scope ends.
class SelectObjectScope {
public:
    SelectObjectScope(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectObjectScope() { SelectObject(dc_, old_); }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A memory device context compatible with another one.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {}
    ~MemoryDC() { if (dc_) DeleteDC(dc_); }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// A COM interface pointer that releases itself.
template <class I>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    I* get() const { return p_; }
    I* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For the out parameter of a creating call; releases what was held.
    void** put() { reset(); return reinterpret_cast<void**>(&p_); }
    void reset() {
        if (p_) p_->Release();
        p_ = nullptr;
    }

private:
    I* p_ = nullptr;
};

// COM initialised for the calling thread for the scope's lifetime.
class ComScope {
public:
    ComScope() : hr_(CoInitialize(nullptr)) {}
    ~ComScope() { if (SUCCEEDED(hr_)) CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT hr_;
};

}  // namespace ui
