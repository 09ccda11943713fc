#include "tests/hostile/hostile_case.h"

#include "tests/support/test_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace hostile {

namespace {

constexpr uint64_t kDefaultSeed = 0x56454C4D4F5241ull;   // "VELMORA"
constexpr int kFailuresNamed = 3;

// The cases being run, for the crash guard.
const Case* current = nullptr;
size_t currentCount = 0;

uint64_t Mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint64_t CaseSeed(const std::string& family, int number) {
    uint64_t h = RunSeed();
    for (unsigned char c : family) h = Mix(h ^ c);
    return Mix(h ^ static_cast<uint64_t>(number));
}

std::string EnvironmentText(const char* name) {
    char value[MAX_PATH] = {};
    DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

void DieNamingTheCase(const char* how) {
    std::fprintf(stderr, "\nThe process died (%s)%s\n", how, current ? " in one of:" : ", in no generated case");
    for (size_t i = 0; i < currentCount; ++i) std::fprintf(stderr, "  %s\n", current[i].Describe().c_str());
    std::fflush(stderr);
    // At once: ending the process the ordinary way can wait on the thread that died.
    TerminateProcess(GetCurrentProcess(), 3);
}

LONG WINAPI OnFault(EXCEPTION_POINTERS* e) {
    char how[64];
    std::snprintf(how, sizeof how, "fault 0x%08lX", static_cast<unsigned long>(e->ExceptionRecord->ExceptionCode));
    DieNamingTheCase(how);
    return EXCEPTION_EXECUTE_HANDLER;
}

// The programs move the current folder: the kept files go where the run began.
std::string KeepFolder() {
    std::string keep = EnvironmentText("VELMORA_HOSTILE_KEEP");
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(keep.empty() ? "hostile-failures" : keep.c_str(), sizeof full, full, nullptr);
    return n > 0 && n < sizeof full ? std::string(full, n) : keep;
}
const std::string keepFolder = KeepFolder();

}  // namespace

uint64_t Rng::Next() {
    state_ += 0x9E3779B97F4A7C15ull;
    return Mix(state_);
}

std::string Rng::Bytes(size_t n) {
    std::string bytes(n, '\0');
    for (char& b : bytes) b = static_cast<char>(Next());
    return bytes;
}

uint64_t RunSeed() {
    std::string text = EnvironmentText("VELMORA_HOSTILE_SEED");
    return text.empty() ? kDefaultSeed : std::strtoull(text.c_str(), nullptr, 0);
}

Case::Case(std::string family, int number)
    : family(std::move(family)), number(number), rng(CaseSeed(this->family, number)) {}

std::string Case::Describe() const {
    CreateDirectoryA(keepFolder.c_str(), nullptr);
    char name[64];
    std::snprintf(name, sizeof name, "\\%s-%04d", family.c_str(), number);
    std::string kept = keepFolder + name;
    testing_support::TempFolder::WriteAt(kept, bytes);
    char seed[32];
    std::snprintf(seed, sizeof seed, "0x%llX", static_cast<unsigned long long>(RunSeed()));
    return "seed " + std::string(seed) + ", " + family + " " + std::to_string(number) + " (" + kind +
           "), kept as " + kept;
}

CaseGuard::CaseGuard(const Case* first, size_t count) {
    current = first;
    currentCount = count;
}

CaseGuard::~CaseGuard() {
    current = nullptr;
    currentCount = 0;
}

void InstallCrashGuard() {
    std::set_terminate([] {
        DieNamingTheCase("an exception escaped");
        std::abort();
    });
    SetUnhandledExceptionFilter(OnFault);
}

void Failures::Add(const Case& c, const std::string& what, const std::string& detail) {
    if (++counts_[what] <= kFailuresNamed)
        ADD_FAILURE() << what << (detail.empty() ? "" : ": ") << detail << "\n  in " << c.Describe();
}

Failures::~Failures() {
    for (const auto& [what, count] : counts_)
        if (count > kFailuresNamed) ADD_FAILURE() << count << " cases in all: " << what;
}

}  // namespace hostile
