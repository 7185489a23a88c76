// Section > Arrange: lays sections out side by side in a matrix of equal
// cells centred on the global origin, in creation, name, location or
// property order. The project import arranges what it brought in the same way.

#include "commands/CreationSupport.h"
#include "commands/IdLists.h"
#include "model/Geometry.h"
#include "model/TextFormat.h"
#include "model/WidthBand.h"
#include "sections/SectionMoves.h"
#include "sections/SectionOrdering.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr int kOrderCreation = 0;
constexpr int kOrderName = 1;
constexpr int kOrderLocation = 2;
constexpr int kOrderLastProperty = 9;  // modes 3 to 9: A, Asx, Asy, Ixx, Iyy, Ixy, J

struct MatrixSize {
    int rows = 0;
    int columns = 0;
};

// Given sizes below 1 are derived from the count; given sizes that cannot
// hold the sections, or hold them in a single line, get their columns derived again.
MatrixSize LayoutFor(int count, int rows, int columns)
{
    if (rows != 0 && columns != 0
        && (count <= rows || count <= columns || static_cast<long long>(rows) * columns < count))
        columns = 0;
    if (rows < 1)
        rows = columns < 1 ? CeilToInt(std::sqrt(static_cast<double>(count))) : CeilToInt(double(count) / columns);
    if (columns < 1)
        columns = CeilToInt(double(count) / rows);
    return {rows, columns};
}

void WidenBox(T_SECTION_D& section, const double xy[2])
{
    for (int k = 0; k < 2; ++k) {
        section.boxMin[k] = std::min(section.boxMin[k], xy[k]);
        section.boxMax[k] = std::max(section.boxMax[k], xy[k]);
    }
}

// The section's extent box from its model curves: a plane section's points,
// a line section's wall bands with their widths and alignments.
bool ComputeExtent(const CSectModel& model, T_SECTION_D& section)
{
    section.boxMin[0] = section.boxMin[1] = 1e35;
    section.boxMax[0] = section.boxMax[1] = -1e35;
    for (int curveId : section.curveIds) {
        const T_CURVE_D* curve = model.FindCurve(curveId);
        if (!curve)
            return model.m_reporter.ReportCurveNotFound(curveId);
        for (size_t i = 0; i < curve->pointIds.size(); ++i) {
            const T_POINT_D* point = model.FindPoint(curve->pointIds[i]);
            if (!point)
                return model.m_reporter.ReportPointNotFound(curve->pointIds[i]);
            if (section.type == SECTION_PLANE) {
                WidenBox(section, point->xy);
            } else if (i > 0) {
                const double* previous = model.FindPoint(curve->pointIds[i - 1])->xy;
                double corners[4][2];
                CurveBandCorners(previous, point->xy, *curve, corners);
                for (const double* corner : corners)
                    WidenBox(section, corner);
            }
        }
    }
    return true;
}

// The value a section is ordered by in modes 2 to 9; false when it has none.
bool OrderValue(const T_SECTION_D& section, int orderMode, double& value)
{
    if (orderMode == kOrderLocation) {
        value = section.location;
        return section.hasLocation;
    }
    value = section.results[RESULT_A + (orderMode - 3)];
    return section.propertiesCalculated;
}

// The placement order of the sections; false when the user declined the
// creation order offered for sections that have no value to order by.
bool PlacementOrder(const CSectModel& model, const std::vector<int>& ids, int orderMode, std::vector<int>& order)
{
    order = ids;
    if (orderMode == kOrderCreation) {
        std::sort(order.begin(), order.end());
        return true;
    }
    if (orderMode == kOrderName) {
        // Byte-wise on the lower-cased names; equal names keep the given order.
        std::vector<std::pair<std::string, int>> named;
        for (int id : ids) {
            std::string lower;
            CSectModel::ToLowerCase(model.FindSection(id)->name, lower);
            named.push_back({lower, id});
        }
        std::stable_sort(named.begin(), named.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (size_t k = 0; k < named.size(); ++k)
            order[k] = named[k].second;
        return true;
    }

    std::vector<SectionValue> valued;
    std::vector<int> unvalued;
    for (int id : ids) {
        double value = 0.0;
        if (OrderValue(*model.FindSection(id), orderMode, value))
            valued.push_back({id, value});
        else
            unvalued.push_back(id);
    }
    std::sort(unvalued.begin(), unvalued.end());
    if (valued.empty()) {
        const char* question = orderMode == kOrderLocation
            ? "No active section is specified with its location.\n\nArrange the active sections in the order of "
              "creation?"
            : "No active section has the calculated properties.\n\nArrange the active sections in the order of "
              "creation?";
        if (model.m_reporter.AskYesNo(question, 1) != 1)
            return false;
        order = unvalued;
        return true;
    }
    const double tolerance = orderMode == kOrderLocation ? kLocationRunTolerance : CalculatedValueTolerance(valued);
    order = OrderByValueRuns(valued, tolerance);
    order.insert(order.end(), unvalued.begin(), unvalued.end());
    // Locations run from the smallest up, after the sections without one.
    if (orderMode == kOrderLocation)
        std::reverse(order.begin(), order.end());
    return true;
}

} // namespace

bool CSectModel::ArrangeSections(std::vector<int> sectionIds, int orderMode, int rows, int columns,
                                 bool newUndoAction)
{
    DropRepeatedIds(sectionIds);
    const int count = static_cast<int>(sectionIds.size());
    if (count < 2 || orderMode < kOrderCreation || orderMode > kOrderLastProperty)
        return false;
    const MatrixSize matrix = LayoutFor(count, rows, columns);

    double largestWidth = 0.0;
    double largestHeight = 0.0;
    for (int id : sectionIds) {
        T_SECTION_D* section = FindSection(id);
        if (!section)
            return m_reporter.ReportSectionNotFound(id);
        if (!ComputeExtent(*this, *section))
            return false;
        largestWidth = std::max(largestWidth, section->boxMax[0] - section->boxMin[0]);
        largestHeight = std::max(largestHeight, section->boxMax[1] - section->boxMin[1]);
    }
    const double margin = std::max(largestWidth, largestHeight) / 20.0;
    const double cellWidth = largestWidth + margin;
    const double cellHeight = largestHeight + margin;

    // Each section may need a copy of each point of its curves and of its centroid.
    int mostCopies = 0;
    for (int id : sectionIds) {
        SectionGeometry geometry;
        if (!CollectSectionGeometry(*this, {id}, geometry))
            return false;
        mostCopies = CountForIdCheck(double(mostCopies) + MostDetachedPoints(*this, geometry, true));
    }
    if (!CheckIdLimit(IdKind::Point, mostCopies))
        return false;

    std::vector<int> order;
    if (!PlacementOrder(*this, sectionIds, orderMode, order))
        return false;

    if (newUndoAction) {
        BeginUndoAction();
        SetUndoActionTitle("Arrange all sections");
    }
    const double x0 = -(cellWidth * matrix.columns) / 2.0;
    const double y0 = (matrix.rows * cellHeight) / 2.0;
    int row = 1;
    int column = 1;
    for (int id : order) {
        // One section at a time: a point it shares with any other curve,
        // arranged or not, stays with that curve.
        SectionGeometry geometry;
        if (!CollectSectionGeometry(*this, {id}, geometry))
            return false;
        T_SECTION_D* section = FindSection(id);
        const double cellCentre[2] = {x0 + (column - 1) * cellWidth + cellWidth / 2.0,
                                      y0 - (row - 1) * cellHeight - cellHeight / 2.0};
        const double dx = cellCentre[0] - (section->boxMin[0] + section->boxMax[0]) / 2.0;
        const double dy = cellCentre[1] - (section->boxMin[1] + section->boxMax[1]) / 2.0;
        const auto shift = [dx, dy](double xy[2]) { TranslatePoint(xy, dx, dy); };

        DetachMovingSections(*this, geometry, true);
        std::set<int> movedCentroids;
        MoveSectionOwnGeometry(*this, *section, true, {geometry.pointIds.begin(), geometry.pointIds.end()},
                               movedCentroids, shift);
        MoveModelPoints(*this, geometry.pointIds, shift);

        if (++column > matrix.columns) {
            column = 1;
            ++row;
        }
    }
    if (newUndoAction) {
        m_reporter.PrintOutput(FormatText("%d sections are arranged in %d X %d matrix.", count, matrix.rows,
                                          matrix.columns));
    }
    return true;
}
