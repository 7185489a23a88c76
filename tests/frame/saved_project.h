#pragma once
// Project files for the frame's tests.

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>

// Writes a project holding a point at each position; returns its path.
std::string SaveProjectWithPoints(const std::filesystem::path& path,
                                  std::initializer_list<std::pair<double, double>> points);
