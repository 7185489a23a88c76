#pragma once
// Reading of the coordinates and id lists typed into the tool dialogs. A false
// result means the text is not one; the caller shows "Input error!".

#include <string>
#include <vector>

// Up to three numbers x, y, z; missing ones are 0. Numbers are made of digits,
// '-' and '.'; a separator is a run of blanks holding at most one comma. A
// number beyond a double's range is an error. Whatever follows the blank that
// ends z is not read.
bool ParseCoordinate(const std::string& text, double xyz[3]);

// Appends the ids of the text to ids (nothing when the text is bad). Tokens are
// separated by blanks and commas; "a..b" stands for a, a+1, ..., b (nothing
// when a > b), blanks around ".." allowed; every other token is one id.
bool ParseIdList(const std::string& text, std::vector<int>& ids);
