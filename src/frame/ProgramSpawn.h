#pragma once
// Starting a program that inherits nothing of ours but what it is given:
// no other descriptor, no blocked signal, no signal's action. No window code:
// the error drain starts its program with it too.

#include <string>
#include <sys/types.h>
#include <vector>

// The descriptors that become the program's input, output and error output;
// -1 for /dev/null.
struct ProgramStreams {
    int input = -1;
    int output = -1;
    int errors = -1;
};

// arguments[0] is the program's absolute path; no shell reads any of them.
// The program's pid, or -1 when it could not be started, with errno telling
// why.
pid_t SpawnProgram(const std::vector<std::string>& arguments, const ProgramStreams& streams);
