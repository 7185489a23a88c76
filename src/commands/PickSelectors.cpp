// Point > Pick, Curve > Pick and Section > Pick: the ids of the points, curves
// or sections that meet a criterion. They read the model only.

#include "commands/IdLists.h"
#include "model/Geometry.h"
#include "model/SectModel.h"

#include <cstdlib>
#include <functional>

namespace {

void AppendCurvePoints(const T_CURVE_D* curve, std::vector<int>& out)
{
    if (curve)
        out.insert(out.end(), curve->pointIds.begin(), curve->pointIds.end());
}

template <class T, class Predicate>
void PickFromMap(const IdMap<T>& map, std::vector<int>* result, Predicate matches)
{
    result->clear();
    for (const auto& [id, record] : map) {
        if (matches(*record))
            result->push_back(id);
    }
}

// The calculated sections whose result compares strictly with the value.
template <class Compare>
void PickByResult(const CSectModel& model, int resultIndex, double value, Compare compare,
                  std::vector<int>* result)
{
    PickFromMap(model.m_sections, result, [&](const T_SECTION_D& section) {
        return section.propertiesCalculated && compare(section.results[resultIndex], value);
    });
}

} // namespace

void CSectModel::PickCentroidPointsOfSections(const std::vector<int>& sectionIds, std::vector<int>* result) const
{
    result->clear();
    for (int id : sectionIds) {
        const T_SECTION_D* section = FindSection(id);
        if (section && section->propertiesCalculated && FindPoint(section->centroidPointId))
            result->push_back(section->centroidPointId);
    }
    SortUniqueIds(*result);
}

void CSectModel::PickPointsOfCurve(int curveId, std::vector<int>* result) const
{
    result->clear();
    AppendCurvePoints(FindCurve(curveId), *result);
    SortUniqueIds(*result);
}

void CSectModel::PickPointsOfClosedLoop(int loopId, std::vector<int>* result) const
{
    result->clear();
    if (const T_LOOP_D* loop = FindClosedLoop(loopId)) {
        for (int entry : loop->curveIds)
            AppendCurvePoints(FindCurve(std::abs(entry)), *result);
    }
    SortUniqueIds(*result);
}

void CSectModel::PickPointsOfSection(int sectionId, std::vector<int>* result) const
{
    result->clear();
    if (const T_SECTION_D* section = FindSection(sectionId)) {
        for (int curveId : section->curveIds)
            AppendCurvePoints(FindCurve(curveId), *result);
    }
    SortUniqueIds(*result);
}

void CSectModel::PickCurvesByWidth(double width, std::vector<int>* result) const
{
    PickFromMap(m_curves, result, [width](const T_CURVE_D& curve) { return IsZero(curve.width - width); });
}

void CSectModel::PickCurvesByAlignment(int alignment, std::vector<int>* result) const
{
    PickFromMap(m_curves, result, [alignment](const T_CURVE_D& curve) {
        return !IsZero(curve.width) && curve.alignment == alignment;
    });
}

void CSectModel::PickCurvesOfClosedLoop(int loopId, std::vector<int>* result) const
{
    result->clear();
    if (const T_LOOP_D* loop = FindClosedLoop(loopId)) {
        for (int entry : loop->curveIds)
            result->push_back(std::abs(entry));
    }
    SortUniqueIds(*result);
}

void CSectModel::PickCurvesOfSection(int sectionId, std::vector<int>* result) const
{
    result->clear();
    if (const T_SECTION_D* section = FindSection(sectionId))
        *result = section->curveIds;
    SortUniqueIds(*result);
}

void CSectModel::PickSectionsByName(std::string name, std::vector<int>* result) const
{
    std::string wanted;
    ToLowerCase(name, wanted);
    PickFromMap(m_sections, result, [&wanted](const T_SECTION_D& section) {
        std::string lowered;
        ToLowerCase(section.name, lowered);
        return lowered == wanted;
    });
}

void CSectModel::PickSectionsByType(int type, std::vector<int>* result) const
{
    PickFromMap(m_sections, result, [type](const T_SECTION_D& section) { return section.type == type; });
}

void CSectModel::PickSectionsByLocation(double location, std::vector<int>* result) const
{
    PickFromMap(m_sections, result, [location](const T_SECTION_D& section) {
        return section.hasLocation && IsZero(section.location - location);
    });
}

void CSectModel::PickSectionsWithoutLocation(std::vector<int>* result) const
{
    PickFromMap(m_sections, result, [](const T_SECTION_D& section) { return !section.hasLocation; });
}

void CSectModel::PickSectionsByAreaGreater(double value, std::vector<int>* result) const
{
    PickByResult(*this, RESULT_A, value, std::greater<>(), result);
}

void CSectModel::PickSectionsByAreaLess(double value, std::vector<int>* result) const
{
    PickByResult(*this, RESULT_A, value, std::less<>(), result);
}

void CSectModel::PickSectionsByIxxGreater(double value, std::vector<int>* result) const
{
    PickByResult(*this, RESULT_IXX, value, std::greater<>(), result);
}

void CSectModel::PickSectionsByIxxLess(double value, std::vector<int>* result) const
{
    PickByResult(*this, RESULT_IXX, value, std::less<>(), result);
}

void CSectModel::PickSectionsByIyyGreater(double value, std::vector<int>* result) const
{
    PickByResult(*this, RESULT_IYY, value, std::greater<>(), result);
}

void CSectModel::PickSectionsByIyyLess(double value, std::vector<int>* result) const
{
    PickByResult(*this, RESULT_IYY, value, std::less<>(), result);
}

void CSectModel::PickSectionsByIxyGreater(double value, std::vector<int>* result) const
{
    PickByResult(*this, RESULT_IXY, value, std::greater<>(), result);
}

void CSectModel::PickSectionsByIxyLess(double value, std::vector<int>* result) const
{
    PickByResult(*this, RESULT_IXY, value, std::less<>(), result);
}

void CSectModel::PickSectionsByJGreater(double value, std::vector<int>* result) const
{
    PickByResult(*this, RESULT_J, value, std::greater<>(), result);
}

void CSectModel::PickSectionsByJLess(double value, std::vector<int>* result) const
{
    PickByResult(*this, RESULT_J, value, std::less<>(), result);
}
