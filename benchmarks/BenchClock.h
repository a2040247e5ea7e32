#pragma once
// The benchmarks' clock: milliseconds from the performance counter.
#include <windows.h>

namespace tessellon::bench {

inline double NowMs() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

}  // namespace tessellon::bench
