// What every fuzz target shares: the entry point that the plain replay
// driver and the fuzzers call with one input, a check that stops the
// process on a broken invariant (so the fuzzer records the input), and a
// file to hand an input to readers that take a file name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Aborts with `what` when `holds` is false.
void FuzzCheck(bool holds, const char* what);

// The input as a file of the given extension (".jpg") in a folder of the
// process's own, removed when the process ends; ANSI name.
std::string FuzzInputFile(std::string_view bytes, const char* extension);

inline std::string_view FuzzBytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}
