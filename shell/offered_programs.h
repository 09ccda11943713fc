// The programs that a profile offers its user: the targets of its shortcuts,
// those in its sub-folders included; compared as full paths without regard to case.
#pragma once

#include <string>
#include <vector>

namespace dovrane {

class OfferedPrograms {
public:
    OfferedPrograms() = default;
    explicit OfferedPrograms(const std::string& profileDir);   // reads the profile now
    bool Offers(const std::string& programPath) const;

private:
    void Read(const std::string& folder, int depth);
    std::vector<std::string> programs_;
};

}  // namespace dovrane
