// Reading PDF files back with poppler's command-line tools.
#pragma once

#include <cstdio>
#include <cstdlib>
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

// The "Pages:" line of a pdfinfo report; 0 without one.
inline int PageCount(const std::string& report) {
    const std::size_t at = report.find("Pages:");
    return at == std::string::npos ? 0 : std::atoi(report.c_str() + at + 6);
}
