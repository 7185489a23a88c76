#pragma once
// Project files for the frame's tests.

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>

// Writes a project holding a point at each position; returns its path.
std::string SaveProjectWithPoints(const std::filesystem::path& path,
                                  std::initializer_list<std::pair<double, double>> points);

// Writes a project holding material 1 "Steel", UCS 1 "U1" and two plane
// sections, "Left" and "Right", each a 100 x 50 rectangle of four lines;
// returns its path.
std::string SaveTwoSectionProject(const std::filesystem::path& path);
