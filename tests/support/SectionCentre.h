#pragma once
// Where a section lies: the centre of the box around the points of the
// model curves it was generated from.

#include "model/SectModel.h"
#include "support/FoundRecord.h"

#include <algorithm>
#include <array>

inline std::array<double, 2> SectionCurveCentre(const CSectModel& model, int sectionId)
{
    double lo[2] = {1e300, 1e300};
    double hi[2] = {-1e300, -1e300};
    for (int curveId : FoundRecord(model.FindSection(sectionId), "section", sectionId).curveIds) {
        for (int pointId : FoundRecord(model.FindCurve(curveId), "curve", curveId).pointIds) {
            const double* xy = FoundRecord(model.FindPoint(pointId), "point", pointId).xy;
            for (int k = 0; k < 2; ++k) {
                lo[k] = std::min(lo[k], xy[k]);
                hi[k] = std::max(hi[k], xy[k]);
            }
        }
    }
    return {(lo[0] + hi[0]) / 2.0, (lo[1] + hi[1]) / 2.0};
}
