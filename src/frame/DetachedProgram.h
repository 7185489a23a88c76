#pragma once
// Starts a program that owes this one nothing, for as long as it and what it
// starts in turn may run, through the error drain (frame/ErrorDrainLaunch.h):
// its error output is kept to its start and the rest read into nothing, while
// we run and after we have gone, and no write there ever fails. Its end is
// heard from the event loop, with the start of its error output.

#include "frame/ErrorDrainLaunch.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

struct DetachedProgramEnd {
    // Whether the drain told how the program ended: one killed before it
    // told leaves it unknown.
    bool known = false;
    // The exit status; minus the signal's number when a signal ended it.
    int status = 0;
    // The start of its error output, in whole UTF-8 characters.
    std::string errorStart;
    // It wrote more than that.
    bool errorCut = false;
    // Why the drain's report could not be read (empty: it could): a drain
    // that is damaged or none of ours.
    std::string drainFailure;
};

// arguments[0] is the program's absolute path; no shell reads any of them.
// errorBytes bounds errorStart. ended runs once, on the window's thread,
// from the event loop after the program has ended, or the drain has, or its
// report has gone wrong. Empty when the program started; else why it could not
// (the drain's own failure among them), and ended never runs.
std::string StartDetachedProgram(const ErrorDrain& errorDrain, const std::vector<std::string>& arguments,
                                 std::size_t errorBytes, std::function<void(const DetachedProgramEnd&)> ended);
