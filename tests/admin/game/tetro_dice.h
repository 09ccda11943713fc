// Scripted dice for the falling-blocks game: the pieces to come, each as a
// shape and a colour number; once they are used up, every roll answers 0.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace testing_support {

struct NextPiece {
    int shape;
    int colour;   // 1 to 7
};

inline std::function<int(int)> ScriptedDice(const std::vector<NextPiece>& pieces) {
    auto rolls = std::make_shared<std::vector<int>>();
    for (const NextPiece& p : pieces) {
        rolls->push_back(p.shape);
        rolls->push_back(p.colour - 1);
    }
    auto next = std::make_shared<size_t>(0);
    return [rolls, next](int) { return *next < rolls->size() ? (*rolls)[(*next)++] : 0; };
}

}  // namespace testing_support
