#pragma once
// Which other section already has a name or a location: the clash questions
// of generating and redefining sections.

#include <string>

#include "model/SectModel.h"

// The first section in id order, exceptId left out, whose name equals name
// without regard to case; null when none.
const T_SECTION_D* FindSectionNamed(const CSectModel& model, const std::string& name, int exceptId = 0);
// The first section in id order, exceptId left out, that has a location
// within 1e-6 of location; null when none.
const T_SECTION_D* FindSectionLocatedAt(const CSectModel& model, double location, int exceptId = 0);
