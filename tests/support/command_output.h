// Running another program from a test and reading what it prints.
#pragma once

#include <cstdio>
#include <string>

// What a command writes to its standard output.
inline std::string CommandOutput(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char chunk[512];
        while (std::size_t n = fread(chunk, 1, sizeof chunk, pipe)) output.append(chunk, n);
        pclose(pipe);
    }
    return output;
}
