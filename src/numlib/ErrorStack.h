#pragma once

// The library's error stack: every routine pushes its name on entry, posts at
// most one typed, coded message and pops on exit. Messages reach the message
// sink of NumlibContext; where the process would stop, LibraryStop is thrown.
//
// Error types: 1 note, 2 alert, 3 warning, 4 fatal, 5 terminal, 6 and 7
// warning and fatal variants.

#include <string>
#include <string_view>

void ErrInit();
void ErrPush(std::string_view NAME);
void ErrPop(std::string_view NAME);
void ErrPost(int IERTYP, int IERCOD, std::string_view MSG);
void ErrSetInt(int K, int IVAL);
void ErrSetDouble(int K, double DVAL);
void ErrSetText(int K, std::string_view TEXT);
// Type and code of the current level (I = 0) or of the level just popped (I = 1).
int ErrType(int I);
int ErrCode(int I);
void ErrPrint();

// What the library left for the caller at the current level: the type, code and
// the last printed message text. Used by the library's entry point.
struct CallerMessage {
    int type = 0;
    int code = 0;
    std::string text;
};
// Clears what an earlier call left for the caller at the current level.
void ClearCallerMessage();
CallerMessage TakeCallerMessage();
// After a LibraryStop: drop the levels above `level` and leave the stop's type
// and code there, as a completed pop would have.
void UnwindErrorStackTo(int level, int type, int code);
int ErrorStackLevel();
