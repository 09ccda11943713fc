// The frame of the generated hostile-input run: a small random generator of
// our own (the same inputs in both builds and on every run), the case being
// run with its seed, number and kind, the file kept for a person to look at
// when a case fails, and a guard that names the case when the process dies.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace hostile {

// SplitMix64: small, fast and the same everywhere.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next();
    // 0 .. n - 1; n must be above 0.
    uint32_t Below(uint32_t n) { return static_cast<uint32_t>(Next() % n); }
    bool OneIn(uint32_t n) { return Below(n) == 0; }
    std::string Bytes(size_t n);
    template <class T, size_t N>
    const T& Pick(const T (&items)[N]) { return items[Below(N)]; }

private:
    uint64_t state_;
};

// The run's seed: a fixed one, or VELMORA_HOSTILE_SEED to try another.
uint64_t RunSeed();

// One generated input. Its generator depends only on the run's seed, its
// family ("link", "settings", "picture") and its number, so any case can be
// made again alone.
struct Case {
    Case(std::string family, int number);
    std::string family;
    int number;
    std::string kind;    // the mutation that made it
    std::string bytes;   // the file as written
    std::string path;    // where the programs find it
    Rng rng;

    // "seed S, link 123 (truncated), kept as PATH": writes the file into
    // VELMORA_HOSTILE_KEEP (default: hostile-failures in the folder that was
    // current when the run began).
    std::string Describe() const;
};

// While it lives, a process that dies (an escaped exception, a fault) prints
// the case, or each case of a batch read at once, and keeps their files
// before it ends.
class CaseGuard {
public:
    explicit CaseGuard(const Case& c) : CaseGuard(&c, 1) {}
    explicit CaseGuard(const std::vector<Case>& batch) : CaseGuard(batch.data(), batch.size()) {}
    ~CaseGuard();
    CaseGuard(const CaseGuard&) = delete;
    CaseGuard& operator=(const CaseGuard&) = delete;

private:
    CaseGuard(const Case* first, size_t count);
};
void InstallCrashGuard();

// Failures of one generated test. The first cases of each failure are named;
// the others only counted, so that one fault met by every case stays readable.
class Failures {
public:
    // Failures are grouped by `what`; `detail` tells this case's particulars.
    void Add(const Case& c, const std::string& what, const std::string& detail = {});
    ~Failures();

private:
    std::map<std::string, int> counts_;
};

}  // namespace hostile
