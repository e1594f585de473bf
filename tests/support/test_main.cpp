// The main of test programs that need the platform started (Qt on its offscreen platform); those of the
// program's subsystems also reset the subsystems' globals around every test.
#include "platform/application.h"
#if defined(ORVALIS_RESET_GLOBALS)
#include "support/globals_reset.h"
#endif

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    InitPlatform(argc, argv);
#if defined(ORVALIS_RESET_GLOBALS)
    InstallGlobalsReset();
#endif
    int result = RUN_ALL_TESTS();
    ShutdownPlatform();
    return result;
}
