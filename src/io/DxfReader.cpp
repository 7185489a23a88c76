// Reading a DXF drawing in two passes: the first makes sure the file is
// complete (a group 0 "EOF") and reads the layer table, the second places the
// plane entities of the ENTITIES sections and hands them to the converters.

#include "io/DxfLayerTable.h"
#include "io/DxfLineReader.h"
#include "io/DxfReadReport.h"
#include "io/DxfReadRollback.h"
#include "io/ProjectFileBytes.h"
#include "model/Geometry.h"
#include "model/SectModel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <utility>

namespace {

constexpr const char* kCannotReadDxf = "Cannot read the DXF file.\n\nCheck the file format.";

constexpr int kDxfCancelPollMode = 2;
constexpr int kProgressRange = 100;
// Entities read between two looks at the progress and at the user's input.
constexpr int kEntitiesPerPoll = 1000;

enum class DxfPassResult { Read, Refused, Canceled };

// The second pass's progress through the file's bytes, and the user's Escape.
class DxfReadProgress {
public:
    DxfReadProgress(CSectModel& model, const DxfLineReader& file, std::uintmax_t fileBytes)
        : model_(model), file_(file), fileBytes_(fileBytes), scope_(model.m_reporter.StartProgress(kProgressRange))
    {
    }

    // True when the user cancelled.
    bool NoteEntity()
    {
        if (++entities_ % kEntitiesPerPoll != 0)
            return false;
        if (fileBytes_ > 0) {
            const double done = static_cast<double>(file_.Offset()) / static_cast<double>(fileBytes_);
            scope_.SetPosition(static_cast<int>(std::clamp(done, 0.0, 1.0) * kProgressRange));
        }
        return model_.PollUserCancel(kDxfCancelPollMode);
    }

private:
    CSectModel& model_;
    const DxfLineReader& file_;
    std::uintmax_t fileBytes_;
    ProgressScope scope_;
    long long entities_ = 0;
};

enum class DxfEntityType { Point, Line, Arc, Circle, Ellipse, Face };

bool FindEntityType(const std::string& name, DxfEntityType& type)
{
    static const std::pair<const char*, DxfEntityType> kTypes[] = {
        {"POINT", DxfEntityType::Point}, {"LINE", DxfEntityType::Line},       {"ARC", DxfEntityType::Arc},
        {"CIRCLE", DxfEntityType::Circle}, {"ELLIPSE", DxfEntityType::Ellipse}, {"3DFACE", DxfEntityType::Face},
    };
    for (const auto& [typeName, typeValue] : kTypes) {
        if (name == typeName) {
            type = typeValue;
            return true;
        }
    }
    return false;
}

// The entities that belong to the one before them (a POLYLINE's vertices, an
// INSERT's attributes, the end of either): not counted as kinds of their own.
bool IsPartOfEntity(const std::string& name)
{
    return name == "VERTEX" || name == "ATTRIB" || name == "SEQEND";
}

// Follows the groups outside any section for the start of the named one: a
// group 0 "SECTION" and then a group 2 with its name. A block, table entry or
// anything else of that name starts nothing.
class DxfSectionStart {
public:
    bool Starts(int code, const std::string& value, const char* section)
    {
        const bool starts = afterSection_ && code == 2 && value == section;
        afterSection_ = code == 0 && value == "SECTION";
        return starts;
    }

private:
    bool afterSection_ = false;
};

// The values the groups of one entity give; a number no double holds stays
// infinite or NaN here. A fresh set starts every entity, so a group the
// entity lacks never takes another entity's value.
struct DxfEntityValues {
    double corners[4][3] = {};  // groups 10-13, 20-23, 30-33
    double radiusOrRatio = 0.0;  // 40
    double startParam = 0.0;  // 41, radians
    double endParam = 0.0;  // 42, radians
    double startAngle = 0.0;  // 50, degrees
    double endAngle = 0.0;  // 51, degrees
    double extrusion[3] = {0.0, 0.0, 1.0};  // 210, 220, 230; the DXF default
    std::string layer;  // 8

    // The drawing seen from below: arcs, circles and ellipses so written
    // turn clockwise in the XY plane.
    bool IsExtrusionReversed() const { return extrusion[2] < 0.0; }
};

void StoreEntityGroup(int code, const std::string& value, DxfEntityValues& values)
{
    if (code == 8) {
        values.layer = value;
        return;
    }
    const double number = ParseDxfDouble(value);
    if (code >= 10 && code <= 13)
        values.corners[code - 10][0] = number;
    else if (code >= 20 && code <= 23)
        values.corners[code - 20][1] = number;
    else if (code >= 30 && code <= 33)
        values.corners[code - 30][2] = number;
    else if (code >= 210 && code <= 230 && code % 10 == 0)
        values.extrusion[(code - 210) / 10] = number;
    else if (code == 40)
        values.radiusOrRatio = number;
    else if (code == 41)
        values.startParam = number;
    else if (code == 42)
        values.endParam = number;
    else if (code == 50)
        values.startAngle = number;
    else if (code == 51)
        values.endAngle = number;
}

// Which of the stored values an entity of the type reads; it passes over
// the groups of the others.
struct DxfTypeValues {
    int cornerCount = 1;
    bool extrusion = false;
    bool radiusOrRatio = false;
    bool angles = false;
    bool parameters = false;
};

DxfTypeValues ValuesOfType(DxfEntityType type)
{
    switch (type) {
    case DxfEntityType::Point: return {1, false, false, false, false};
    case DxfEntityType::Line: return {2, false, false, false, false};
    case DxfEntityType::Arc: return {1, true, true, true, false};
    case DxfEntityType::Circle: return {1, true, true, false, false};
    case DxfEntityType::Ellipse: return {2, true, true, false, true};
    case DxfEntityType::Face: return {4, false, false, false, false};
    }
    return {};
}

// Whether every value the entity reads is finite: a number written beyond a
// double's range, "inf" or "nan", leaves it nowhere to be put, nor can it be
// told whether it lies in the XY plane.
bool HasFiniteValues(DxfEntityType type, const DxfEntityValues& values)
{
    const auto finite = [](std::initializer_list<double> numbers) {
        return std::all_of(numbers.begin(), numbers.end(), [](double number) { return std::isfinite(number); });
    };
    const DxfTypeValues reads = ValuesOfType(type);
    for (int i = 0; i < reads.cornerCount; ++i) {
        if (!finite({values.corners[i][0], values.corners[i][1], values.corners[i][2]}))
            return false;
    }
    return (!reads.extrusion || finite({values.extrusion[0], values.extrusion[1], values.extrusion[2]}))
        && (!reads.radiusOrRatio || finite({values.radiusOrRatio}))
        && (!reads.angles || finite({values.startAngle, values.endAngle}))
        && (!reads.parameters || finite({values.startParam, values.endParam}));
}

// Whether the entity lies in the XY plane: the z values of the corners its
// type has are zero, and so is the x and y of the extrusion of the types that
// have one.
bool IsInPlane(DxfEntityType type, const DxfEntityValues& values)
{
    const DxfTypeValues reads = ValuesOfType(type);
    for (int i = 0; i < reads.cornerCount; ++i) {
        if (IsNonZero(values.corners[i][2]))
            return false;
    }
    return !reads.extrusion || (!IsNonZero(values.extrusion[0]) && !IsNonZero(values.extrusion[1]));
}

// The import's placement of the drawing: a counter-clockwise turn by rz
// degrees about the origin, then the shift.
struct DxfPlacement {
    double shift[2];
    double rz;

    void Place(const double in[3], double out[2]) const
    {
        out[0] = in[0];
        out[1] = in[1];
        RotateTranslatePoint(out, shift[0], shift[1], rz);
    }
};

// Hands a plane entity to its converter; false when the converter refused
// at the id limit.
bool ConvertEntity(CSectModel& model, DxfEntityType type, const DxfEntityValues& values,
                   const DxfPlacement& placement)
{
    double placed[4][2];
    switch (type) {
    case DxfEntityType::Point:
        placement.Place(values.corners[0], placed[0]);
        return model.ImportDxfPoint(placed[0]);
    case DxfEntityType::Line:
        placement.Place(values.corners[0], placed[0]);
        placement.Place(values.corners[1], placed[1]);
        return model.ImportDxfLine(placed[0], placed[1]);
    case DxfEntityType::Arc:
    case DxfEntityType::Circle: {
        double centre[3] = {values.corners[0][0], values.corners[0][1], 0.0};
        double start = values.startAngle;
        double end = values.endAngle;
        // The object coordinates of a reversed extrusion run with x
        // mirrored: the centre's x and the angles turn to the other side.
        if (values.IsExtrusionReversed()) {
            centre[0] = -centre[0];
            start = 180.0 - values.endAngle;
            end = 180.0 - values.startAngle;
        }
        placement.Place(centre, placed[0]);
        if (type == DxfEntityType::Circle)
            return model.ImportDxfCircle(placed[0], values.radiusOrRatio);
        return model.ImportDxfArc(placed[0], values.radiusOrRatio, start + placement.rz, end + placement.rz);
    }
    case DxfEntityType::Ellipse: {
        double start = RadToDeg(values.startParam);
        double end = RadToDeg(values.endParam);
        // The centre and axis are world values; a reversed extrusion only
        // runs the parameter the other way round.
        if (values.IsExtrusionReversed()) {
            start = -RadToDeg(values.endParam);
            end = -RadToDeg(values.startParam);
        }
        placement.Place(values.corners[0], placed[0]);
        double axis[2] = {values.corners[1][0], values.corners[1][1]};
        RotatePoint(axis, placement.rz);
        return model.ImportDxfEllipse(placed[0], axis, values.radiusOrRatio, start, end);
    }
    case DxfEntityType::Face:
        for (int i = 0; i < 4; ++i)
            placement.Place(values.corners[i], placed[i]);
        return model.ImportDxf3DFace(placed[0], placed[1], placed[2], placed[3]);
    }
    return true;
}

// Reads one entity's groups up to the group 0 that ends it, which is left in
// code and value. False when the file ends first.
bool ReadEntityGroups(DxfLineReader& file, int& code, std::string& value, DxfEntityValues& values)
{
    while (file.ReadGroup(code, value)) {
        if (code == 0)
            return true;
        StoreEntityGroup(code, value, values);
    }
    return false;
}

// The second pass, from the start of the file: read at the group 0 "EOF"
// (inside a section too) after printing what the import made. Refused after
// the warning when the file ends first, which only a file changed since the
// first pass does, and when a converter refused at the id limit.
DxfPassResult ReadDxfEntities(CSectModel& model, DxfLineReader& file, const DxfLayerList& layers,
                              const DxfPlacement& placement, DxfReadProgress& progress)
{
    DxfSkippedEntities& skipped = model.m_dxfSkipped;
    DxfSectionStart sectionStart;
    bool inEntities = false;
    bool groupPending = false;  // the group 0 that ended an entity, not yet looked at
    int code = 0;
    std::string value;
    while (groupPending || file.ReadGroup(code, value)) {
        groupPending = false;
        // The end of the drawing, inside a section as well: nothing after it
        // is read.
        if (code == 0 && value == "EOF") {
            ReportDxfRead(model);
            return DxfPassResult::Read;
        }
        if (!inEntities) {
            inEntities = sectionStart.Starts(code, value, "ENTITIES");
            continue;
        }
        if (code != 0)
            continue;
        if (value == "ENDSEC") {
            inEntities = false;
            continue;
        }
        DxfEntityType type;
        if (!FindEntityType(value, type)) {
            if (!IsPartOfEntity(value))
                ++skipped.unreadKinds[value];
            continue;
        }
        if (progress.NoteEntity())
            return DxfPassResult::Canceled;
        DxfEntityValues values;
        if (!ReadEntityGroups(file, code, value, values))
            break;
        groupPending = true;
        if (!IsDxfLayerTaken(layers, values.layer))
            ++skipped.onHiddenLayers;
        else if (!HasFiniteValues(type, values))
            ++skipped.unplaceable;
        else if (!IsInPlane(type, values))
            ++skipped.offPlane;
        else if (!ConvertEntity(model, type, values, placement))
            return DxfPassResult::Refused;
    }
    model.m_reporter.ShowWarning(kCannotReadDxf);
    return DxfPassResult::Refused;
}

} // namespace

bool CSectModel::ReadDxfFile(const char* path, const double txy[2], double rz)
{
    std::ifstream in;
    if (path && IsReadableRegularFile(path))
        in.open(path, std::ios::in | std::ios::binary);
    if (!in.is_open())
        return m_reporter.ReportFileOpenError(path ? path : "");

    m_dxfSkipped = DxfSkippedEntities();
    DxfLineReader file(in);
    if (file.StartsAsBinaryDxf())
        return m_reporter.ShowWarning(kCannotReadDxf);

    DxfLayerList layers;
    DxfSectionStart sectionStart;
    int code = 0;
    std::string value;
    while (file.ReadGroup(code, value)) {
        if (code == 0 && value == "EOF") {
            file.Rewind();
            std::error_code error;
            const std::uintmax_t fileBytes = std::filesystem::file_size(path, error);
            DxfReadRollback rollback(*this);
            DxfReadProgress progress(*this, file, error ? 0 : fileBytes);
            if (ReadDxfEntities(*this, file, layers, DxfPlacement{{txy[0], txy[1]}, rz}, progress)
                == DxfPassResult::Canceled) {
                rollback.TakeBack();
                return false;
            }
            return true;
        }
        if (sectionStart.Starts(code, value, "TABLES") && !ReadDxfTables(file, layers))
            break;
    }
    return m_reporter.ShowWarning(kCannotReadDxf);
}
