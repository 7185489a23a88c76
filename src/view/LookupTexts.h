#pragma once
// The texts of failed look-ups that the view prints while it draws.

#include "view/EntityKeys.h"

#include <string>

// "Cannot find point [ID:%d] object." and its siblings for curves, sections and
// closed loops.
std::string MissingEntityText(SceneKind kind, int id);
std::string SectionCorruptedText(int sectionId, const std::string& name);
