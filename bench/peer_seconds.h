// A peer program (Lua, Python) timing its own work in a child process and
// printing the seconds it took, so its start-up is not counted.
#pragma once

#include <cstdio>
#include <string>

// Runs `command` through the shell and reads the first number it prints;
// -1 when the program could not be run or printed no number.
inline double PeerSelfReportedSeconds(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    double seconds = -1;
    if (std::fscanf(pipe, "%lf", &seconds) != 1) seconds = -1;
    pclose(pipe);
    return seconds;
}
