#pragma once
// The check shared by line-section generation and closed-loop registration:
// no segment of one listed curve may lie on, or run along, a segment of
// another listed curve.

#include <vector>

class CSectModel;

// Compares every segment of every listed curve with every segment of every
// other listed curve (by id, so a repeated id is never compared with itself).
// Segments coincide when both ends lie strictly within the project tolerance
// of the other's ends; they overlap when two or more ends lie strictly inside
// the other segment. Reports the first failure, the warnings opening with
// refusalLead ("Cannot ...\n\n"), and returns false; true when all pass.
bool CheckCurvesNeitherCoincideNorOverlap(const CSectModel& model, const std::vector<int>& curveIds,
                                          const char* refusalLead);
