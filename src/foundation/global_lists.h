// A subsystem's globals are listed once, with their start values, in <subsystem>/<subsystem>_globals.def
// as GLOBAL(type, name, start value); these turn that list into definitions and into a reset.
#pragma once

#include <cstddef>
#include <type_traits>

// Puts one global back to its start value; arrays element by element.
template <class T> void SetToStart(T& global, const T& start) {
    if constexpr (std::is_array_v<T>) {
        for (std::size_t i = 0; i < std::extent_v<T>; ++i)
            SetToStart(global[i], start[i]);
    } else {
        global = start;
    }
}

#define DEFINE_LISTED_GLOBAL(T, name, ...) std::type_identity_t<T> name = __VA_ARGS__;
#define RESET_LISTED_GLOBAL(T, name, ...) SetToStart<std::type_identity_t<T>>(name, __VA_ARGS__);

// A variable a file keeps to itself between calls: RESETTABLE(type, name, start value) defines it and has
// ResetFileState() put it back to that start value.
void RegisterFileStateReset(void (*reset)());
void ResetFileState();

#define RESETTABLE(T, name, ...)                                                                             \
    std::type_identity_t<T> name = __VA_ARGS__;                                                              \
    [[maybe_unused]] const bool name##Registered =                                                           \
        (RegisterFileStateReset([] { SetToStart<std::type_identity_t<T>>(name, __VA_ARGS__); }), true)
