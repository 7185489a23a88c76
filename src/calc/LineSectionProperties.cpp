// Properties of a line section from its walls: the curves with their widths
// and alignments, summed strip by strip; J from the open walls and the
// closed cells. A line section has no shear areas.

#include <algorithm>

#include "calc/LineSectionCells.h"
#include "calc/SectionMoments.h"
#include "model/Geometry.h"
#include "model/TextFormat.h"
#include "model/WidthBand.h"

namespace {

// The four corners of every segment's band, the section's curves in order.
// False after the not-found box of a missing curve or point.
template <class Visit>
bool ForEachStrip(const CSectModel& model, const T_SECTION_D& section, Visit visit)
{
    for (int curveId : section.curveIds) {
        const T_CURVE_D* curve = model.FindCurve(curveId);
        if (!curve)
            return model.m_reporter.ReportCurveNotFound(curveId);
        for (std::size_t i = 0; i + 1 < curve->pointIds.size(); ++i) {
            const T_POINT_D* p1 = model.FindPoint(curve->pointIds[i]);
            const T_POINT_D* p2 = model.FindPoint(curve->pointIds[i + 1]);
            if (!p1 || !p2)
                return model.m_reporter.ReportPointNotFound(curve->pointIds[p1 ? i + 1 : i]);
            double c[4][2];
            CurveBandCorners(p1->xy, p2->xy, *curve, c);
            visit(*curve, p1->xy, p2->xy, c);
        }
    }
    return true;
}

}  // namespace

bool CSectModel::CalcLineSectionProperties(T_SECTION_D* section)
{
    if (!section)
        return false;
    ResetSectionProperties(*section);

    SectionMomentSums sums;
    double openTorsion = 0.0;
    std::vector<int> cellLoopIds;
    const bool walked = ForEachStrip(*this, *section, [&](const T_CURVE_D& curve, const double* p1,
                                                          const double* p2, const double (*c)[2]) {
        sums.AddQuadrilateral(c[0], c[1], c[2], c[3], 1.0);
        if (curve.closedLoopIds.empty())
            openTorsion += curve.width * curve.width * curve.width * Distance(p1, p2) / 3.0;
        for (int loopId : curve.closedLoopIds) {
            if (std::find(cellLoopIds.begin(), cellLoopIds.end(), loopId) == cellLoopIds.end())
                cellLoopIds.push_back(loopId);
        }
    });
    if (!walked)
        return false;
    if (!sums.HasCentroid())
        return ReportSectionNotCalculable(
            *this, FormatText("The area of line section [%s] is not greater than 0.", section->name.c_str()));
    double centroid[2];
    sums.MoveToCentroid(centroid);

    // J comes before the centroid point, so a refused cell leaves no point.
    double torsion = openTorsion;
    switch (AddClosedCellTorsion(*this, cellLoopIds, torsion)) {
    case CellTorsionStatus::Solved: break;
    case CellTorsionStatus::MissingObject: return false;
    case CellTorsionStatus::WallWithoutWidth:
        return ReportSectionNotCalculable(
            *this, FormatText("Line section [%s] has a closed cell with a wall of no width.", section->name.c_str()));
    case CellTorsionStatus::Unsolvable:
        return ReportSectionNotCalculable(
            *this, FormatText("The torsion of the closed cells of line section [%s] cannot be solved.",
                              section->name.c_str()));
    }

    ExtremeFibres fibres(centroid);
    ForEachStrip(*this, *section, [&fibres](const T_CURVE_D&, const double*, const double*, const double (*c)[2]) {
        for (int i = 0; i < 4; ++i)
            fibres.Include(c[i]);
    });
    fibres.Store(*section);
    section->results[RESULT_A] = sums.area;
    section->results[RESULT_IXX] = sums.ixx;
    section->results[RESULT_IYY] = sums.iyy;
    section->results[RESULT_IXY] = sums.ixy;
    section->results[RESULT_J] = torsion;
    section->centroidPointId = PlaceCentroidPoint(*this, *section, centroid, fibres.Extent());
    section->propertiesCalculated = true;
    return true;
}
