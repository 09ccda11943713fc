// Every test executable runs its tests on one user-interface thread with the
// application object initialised, as the programs do.
#include "ui/application.h"

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    ui::Application::Instance().Initialize();
    int failed = RUN_ALL_TESTS();
    // CTest passes a program on this line alone: one ended any other way failed.
    if (failed == 0) std::printf("Every test ran and passed.\n");
    return failed;
}
