// Unit factors and the change of a project's unit system.

#include "model/UnitSystem.h"

#include "model/SectModel.h"

namespace {

constexpr int kLengthUnitCount = 5;
constexpr int kForceUnitCount = 6;

// Row: from, column: to; codes count from 1.
constexpr double kLengthFactors[kLengthUnitCount][kLengthUnitCount] = {
    {1.0, 100.0, 1000.0, 3.280839895013, 39.370078740158},
    {0.01, 1.0, 10.0, 0.03280839895, 0.393700787402},
    {0.001, 0.1, 1.0, 0.003280839895, 0.03937007874},
    {0.3048, 30.48, 304.8, 1.0, 12.0},
    {0.0254, 2.54, 25.4, 0.083333333333, 1.0},
};

constexpr double kForceFactors[kForceUnitCount][kForceUnitCount] = {
    {1.0, 0.001, 0.101971621298, 0.000101971621, 0.224808873116, 0.000224808873},
    {1000.0, 1.0, 101.971621297793, 0.101971621298, 224.808873116298, 0.224808873116},
    {9.80665, 0.00980665, 1.0, 0.001, 2.204621935546, 0.002204621936},
    {9806.65, 9.80665, 1000.0, 1.0, 2204.62193554595, 2.204621935546},
    {4.448223, 0.004448223, 0.453592511204, 0.000453592511, 1.0, 0.001},
    {4448.223, 4.448223, 453.592511204132, 0.453592511204, 1000.0, 1.0},
};

template <int N>
double TableFactor(const double (&table)[N][N], int fromUnit, int toUnit)
{
    if (fromUnit == toUnit || fromUnit < 1 || fromUnit > N || toUnit < 1 || toUnit > N)
        return 1.0;
    return table[fromUnit - 1][toUnit - 1];
}

void ScalePoint(double xy[2], double factor)
{
    xy[0] *= factor;
    xy[1] *= factor;
}

// A UCS is geometry like any point: left unscaled it would sit elsewhere
// relative to the converted model.
void ScaleUcsRecords(CSectModel& model, double lengthFactor)
{
    for (auto& [id, ucs] : model.m_ucs) {
        if (id == 0)
            continue;
        ScalePoint(ucs->enteredOrigin, lengthFactor);
        ScalePoint(ucs->axisPoint1, lengthFactor);
        ScalePoint(ucs->axisPoint2, lengthFactor);
        ScalePoint(ucs->origin, lengthFactor);
    }
}

void ScaleSection(T_SECTION_D& section, double lengthFactor)
{
    if (section.hasLocation)
        section.location *= lengthFactor;
    for (auto& [id, point] : section.points)
        ScalePoint(point->xy, lengthFactor);
    if (!section.propertiesCalculated)
        return;
    const double area = lengthFactor * lengthFactor;
    const double fourth = area * area;
    for (int result : {RESULT_A, RESULT_ASX, RESULT_ASY})
        section.results[result] *= area;
    for (int result : {RESULT_IXX, RESULT_IYY, RESULT_IXY, RESULT_J})
        section.results[result] *= fourth;
    for (int result : {RESULT_CX_PLUS, RESULT_CX_MINUS, RESULT_CY_PLUS, RESULT_CY_MINUS})
        section.results[result] *= lengthFactor;
}

// The undo and redo copies keep the old units, so after a conversion an
// object that came back through them (a material deleted before the change,
// say) would mix the two systems: both stores go.
void DropUndoCopies(CSectModel& model)
{
    model.ClearUndoStorage();
    model.ClearRedoStorage();
}

// The magnitudes every conversion scales, whatever the model holds.
void ScaleSettingsAndDropUndo(CSectModel& model, double lengthFactor)
{
    model.m_tolerance *= lengthFactor;
    model.m_gridSize *= lengthFactor;
    ScaleUcsRecords(model, lengthFactor);
    DropUndoCopies(model);
}

} // namespace

double GetLengthUnitFactor(int fromUnit, int toUnit)
{
    return TableFactor(kLengthFactors, fromUnit, toUnit);
}

double GetForceUnitFactor(int fromUnit, int toUnit)
{
    return TableFactor(kForceFactors, fromUnit, toUnit);
}

void CSectModel::ChangeUnitSystem(int lengthUnit, int forceUnit, bool quiet)
{
    if (lengthUnit == m_lengthUnit) {
        if (forceUnit == m_forceUnit)
            return;
        if (m_materials.empty()) {
            // Only moduli carry a force: there is nothing to convert in the
            // model, but the copies may hold materials.
            m_forceUnit = forceUnit;
            DropUndoCopies(*this);
            return;
        }
    }

    const bool lengthChanged = lengthUnit != m_lengthUnit;
    const double lengthFactor = GetLengthUnitFactor(m_lengthUnit, lengthUnit);
    const double forceFactor = GetForceUnitFactor(m_forceUnit, forceUnit);
    m_lengthUnit = lengthUnit;
    m_forceUnit = forceUnit;

    if (m_points.empty() && m_materials.empty()) {
        ScaleSettingsAndDropUndo(*this, lengthFactor);
        return;
    }
    if (!quiet && m_reporter.AskYesNo("Change the magnitudes for the new unit system?", 1) != 1)
        return;

    ScaleSettingsAndDropUndo(*this, lengthFactor);
    for (auto& [id, material] : m_materials)
        material->elasticModulus *= forceFactor / (lengthFactor * lengthFactor);
    if (!lengthChanged)
        return;
    for (auto& [id, section] : m_sections)
        ScaleSection(*section, lengthFactor);
    for (auto& [id, curve] : m_curves)
        curve->width *= lengthFactor;
    for (auto& [id, point] : m_points)
        ScalePoint(point->xy, lengthFactor);
    NotePointsMoved();
}
