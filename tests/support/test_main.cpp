// The main of test programs that need the platform started (Qt on its offscreen platform).
#include "platform/application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    InitPlatform(argc, argv);
    int result = RUN_ALL_TESTS();
    ShutdownPlatform();
    return result;
}
