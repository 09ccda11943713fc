// Every test executable runs its tests on one user-interface thread with the
// application object initialised, as the programs do.
#include "ui/application.h"

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    ui::Application::Instance().Initialize();
    int failed = RUN_ALL_TESTS();
    // CTest passes a test executable on this line alone: one that ends any
    // other way (ended from outside, or by the code under test) has failed.
    if (failed == 0) std::printf("Every test ran and passed.\n");
    return failed;
}
