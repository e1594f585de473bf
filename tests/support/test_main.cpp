// The main of test programs that need the platform started (Qt on its offscreen platform).
#include "platform/application.h"

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
// The leak check follows each thread's dynamically allocated thread-local blocks by intercepting their
// allocation; with this system's C library that bookkeeping is misread in some link layouts and the leak
// checker crashes at exit after every test has passed. Without the interception the leak check still
// runs. ASAN_OPTIONS given by hand still take precedence.
extern "C" __attribute__((visibility("default"), used)) const char* __asan_default_options() {
    return "intercept_tls_get_addr=0";
}
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    InitPlatform(argc, argv);
    int result = RUN_ALL_TESTS();
    ShutdownPlatform();
    return result;
}
