// The number of GDI objects that this process holds. Wine answers 0 to
// GetGuiResources, so the count is read from the process's GDI handle table
// (the PEB's GdiSharedHandleTable, whose entries Wine lays out alike in 32-
// and 64-bit processes: a type byte at offset 14 of each 24-byte entry, 0
// when free).
#pragma once

#include <windows.h>

namespace testing_support {

inline int GdiObjectCount() {
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(n);
#ifdef _WIN64
    constexpr size_t kTableOffset = 0xF8;
#else
    constexpr size_t kTableOffset = 0x94;
#endif
    constexpr size_t kEntrySize = 24, kTypeOffset = 14;
    using GetPeb = const BYTE*(WINAPI*)();
    auto getPeb = reinterpret_cast<GetPeb>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetCurrentPeb")));
    if (!getPeb) return -1;
    const BYTE* peb = getPeb();
    auto* table = *reinterpret_cast<const BYTE* const*>(peb + kTableOffset);
    if (!table) return -1;
    int count = 0;
    for (size_t i = 0; i < 0x10000; ++i) count += table[i * kEntrySize + kTypeOffset] != 0;
    return count;
}

}  // namespace testing_support
