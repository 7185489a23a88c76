#pragma once

// Character routines of the library. Characters come as views (pointer plus
// length); positions are 1-based, 0 meaning "none".

#include <string>
#include <string_view>

int CodeOf(char CH);
// Code of CH with a..z folded to A..Z.
int CodeOfFolded(char CH);
// Character with code I; code 0 for I < 0.
char CharOf(int I);
// As CharOf, but I < 0 is an error of the library.
char ACHAR(int I);
// True when CH, folded, equals the upper-case letter U.
bool LSAME(char CH, char U);
int IndexOf(std::string_view S, std::string_view T);
int IndexOfFolded(std::string_view S, std::string_view T);
// -1, 0 or 1; the shorter text is padded with blanks.
int CompareFolded(std::string_view S, std::string_view T);
// First position of S holding a character not in SET; 1 if either is empty.
int VerifyChars(std::string_view S, std::string_view SET);
// S receives I in decimal and L its length.
void IntToText(int I, std::string& S, int& L);
// Reads an integer from S, skipping blanks. STAT: 0 read, -1 S empty, 1 not an integer.
void TextToInt(std::string_view S, int& I, int& STAT);
// Copies S into T, cut or blank filled to T's length.
void CopyBlankFill(std::string_view S, std::string& T);

// A double as the library's messages show it: at most 24 characters, no
// leading blanks, independent of the locale.
std::string DoubleToMessageText(double value);
