// Reading PDF files back with poppler's command-line tools.
#pragma once

#include <cstdlib>
#include <string>

#include "support/command_output.h"

// The "Pages:" line of a pdfinfo report; 0 without one.
inline int PageCount(const std::string& report) {
    const std::size_t at = report.find("Pages:");
    return at == std::string::npos ? 0 : std::atoi(report.c_str() + at + 6);
}
