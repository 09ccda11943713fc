// Every test executable runs its tests on one user-interface thread with the
// application object initialised, as the programs do.
#include "ui/application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    ui::Application::Instance().Initialize();
    return RUN_ALL_TESTS();
}
