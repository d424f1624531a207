// The main function of benchmarks that need the window system: offscreen
// unless the caller chose a platform, then Google Benchmark's usual run.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/ui/guiplatform.h"

inline int RunGuiBenchmarks(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    StartGuiPlatform(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
