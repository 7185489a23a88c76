// Reading a DXF drawing in two passes: the first makes sure that every code
// line up to the group 0 "EOF" is a group code and that there is one, and
// reads the layer table; the second, which reads no further, places the plane
// entities of the ENTITIES sections and hands them to the converters.

#include "io/DxfAngles.h"
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
#include <optional>
#include <set>
#include <span>
#include <utility>

namespace {

constexpr const char* kCannotReadDxf = "Cannot read the DXF file.\n\nCheck the file format.";

constexpr int kDxfCancelPollMode = 2;
constexpr int kProgressRange = 100;
// Entities, the parts of a POLYLINE or an INSERT among them, read between two
// looks at the progress and at the user's input.
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

// Follows the entities that belong to the one before them: the VERTEX
// entities of a POLYLINE and the ATTRIB entities of an INSERT, up to the
// SEQEND that closes either. Any other entity ends such a run; a VERTEX,
// ATTRIB or SEQEND that belongs to none is an entity of its own.
class DxfEntityParts {
public:
    // Whether the entity of this kind, the next one in the section, is a
    // part of the one before it.
    bool IsPart(const std::string& kind)
    {
        if (kind == "SEQEND") {
            const bool closes = owner_ != Owner::None;
            owner_ = Owner::None;
            return closes;
        }
        if ((kind == "VERTEX" && owner_ == Owner::Polyline) || (kind == "ATTRIB" && owner_ == Owner::Insert))
            return true;
        owner_ = kind == "POLYLINE" ? Owner::Polyline : kind == "INSERT" ? Owner::Insert : Owner::None;
        return false;
    }

private:
    enum class Owner { None, Polyline, Insert };
    Owner owner_ = Owner::None;
};

// Follows the groups outside any section for the start of the named one: a
// group 0 "SECTION" and then a group 2 with its name. A block, table entry or
// anything else of that name starts nothing.
class DxfSectionStart {
public:
    bool Starts(const DxfGroup& group, const char* section)
    {
        const bool starts = afterSection_ && group.code == 2 && group.value == section;
        afterSection_ = group.code == 0 && group.value == "SECTION";
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
    bool layerCut = false;  // the name is longer than is kept
    // The groups whose text is not wholly a number, unless a later group of
    // the code gave one; their values are 0.
    std::set<int> unreadable;

    // The drawing seen from below: arcs, circles and ellipses so written
    // turn clockwise in the XY plane.
    bool IsExtrusionReversed() const { return extrusion[2] < 0.0; }
};

// Where the group's number lies among the values; null for a code that no
// type reads.
template <typename Values>
auto GroupNumber(Values& values, int code) -> decltype(&values.radiusOrRatio)
{
    if (code >= 10 && code <= 13)
        return &values.corners[code - 10][0];
    if (code >= 20 && code <= 23)
        return &values.corners[code - 20][1];
    if (code >= 30 && code <= 33)
        return &values.corners[code - 30][2];
    if (code >= 210 && code <= 230 && code % 10 == 0)
        return &values.extrusion[(code - 210) / 10];
    switch (code) {
    case 40: return &values.radiusOrRatio;
    case 41: return &values.startParam;
    case 42: return &values.endParam;
    case 50: return &values.startAngle;
    case 51: return &values.endAngle;
    default: return nullptr;
    }
}

void StoreEntityGroup(const DxfGroup& group, DxfEntityValues& values)
{
    if (group.code == 8) {
        values.layer = group.value;
        values.layerCut = group.valueCut;
        return;
    }
    double* number = GroupNumber(values, group.code);
    if (!number)
        return;
    const std::optional<double> read = group.Real();
    *number = read.value_or(0.0);
    if (read)
        values.unreadable.erase(group.code);
    else
        values.unreadable.insert(group.code);
}

// The groups an entity of the type reads, besides its layer.
std::span<const int> GroupsOfType(DxfEntityType type)
{
    static constexpr int kPoint[] = {10, 20, 30};
    static constexpr int kLine[] = {10, 20, 30, 11, 21, 31};
    static constexpr int kArc[] = {10, 20, 30, 40, 50, 51, 210, 220, 230};
    static constexpr int kCircle[] = {10, 20, 30, 40, 210, 220, 230};
    static constexpr int kEllipse[] = {10, 20, 30, 11, 21, 31, 40, 41, 42, 210, 220, 230};
    static constexpr int kFace[] = {10, 20, 30, 11, 21, 31, 12, 22, 32, 13, 23, 33};
    switch (type) {
    case DxfEntityType::Point: return kPoint;
    case DxfEntityType::Line: return kLine;
    case DxfEntityType::Arc: return kArc;
    case DxfEntityType::Circle: return kCircle;
    case DxfEntityType::Ellipse: return kEllipse;
    case DxfEntityType::Face: return kFace;
    }
    return {};
}

enum class DxfNumbers { Placeable, Unreadable, NotFinite };

// Whether the numbers the entity reads can place it: text that is not wholly
// a number, a number written beyond a double's range, "inf" or "nan" leaves
// it nowhere to be put, nor can it be told whether it lies in the XY plane.
DxfNumbers CheckNumbers(DxfEntityType type, const DxfEntityValues& values)
{
    const std::span<const int> groups = GroupsOfType(type);
    if (std::any_of(groups.begin(), groups.end(), [&values](int code) { return values.unreadable.contains(code); }))
        return DxfNumbers::Unreadable;
    const bool finite = std::all_of(groups.begin(), groups.end(),
                                    [&values](int code) { return std::isfinite(*GroupNumber(values, code)); });
    return finite ? DxfNumbers::Placeable : DxfNumbers::NotFinite;
}

// Whether the entity lies in the XY plane: the z values of its corners are
// zero, and so are the x and y of its extrusion if it has one.
bool IsInPlane(DxfEntityType type, const DxfEntityValues& values)
{
    const std::span<const int> groups = GroupsOfType(type);
    return std::none_of(groups.begin(), groups.end(), [&values](int code) {
        const bool leavesPlane = (code >= 30 && code <= 33) || code == 210 || code == 220;
        return leavesPlane && IsNonZero(*GroupNumber(values, code));
    });
}

// The import's placement of the drawing: a counter-clockwise turn by rz
// degrees about the origin, then the shift. The turn is kept less its whole
// turns, dropped exactly once, so that points, arc angles and ellipse axes
// all turn by the same angle however many turns the user gave.
struct DxfPlacement {
    DxfPlacement(const double (&shiftXy)[2], double rzDegrees)
        : shift{shiftXy[0], shiftXy[1]}, rz(WithoutWholeTurns(rzDegrees))
    {
    }

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
        // The object coordinates of a reversed extrusion run with x
        // mirrored: the centre's x and the angles turn to the other side.
        const bool mirrored = values.IsExtrusionReversed();
        const double centre[3] = {mirrored ? -values.corners[0][0] : values.corners[0][0], values.corners[0][1], 0.0};
        placement.Place(centre, placed[0]);
        if (type == DxfEntityType::Circle)
            return model.ImportDxfCircle(placed[0], values.radiusOrRatio);
        // Whole turns dropped first: mirrored or turned, a huge angle would
        // lose its place.
        const double sweep = CounterClockwiseSweep(values.startAngle, values.endAngle);
        double start = WithoutWholeTurns(values.startAngle);
        if (mirrored)
            start = 180.0 - (start + sweep);
        start += placement.rz;
        return model.ImportDxfArc(placed[0], values.radiusOrRatio, start, start + sweep);
    }
    case DxfEntityType::Ellipse: {
        const double sweep = ParameterSweep(values.startParam, values.endParam);
        double start = ParameterDegrees(values.startParam);
        // The centre and axis are world values; a reversed extrusion only
        // runs the parameter the other way round.
        if (values.IsExtrusionReversed())
            start = -(start + sweep);
        placement.Place(values.corners[0], placed[0]);
        double axis[2] = {values.corners[1][0], values.corners[1][1]};
        RotatePoint(axis, placement.rz);
        return model.ImportDxfEllipse(placed[0], axis, values.radiusOrRatio, start, start + sweep);
    }
    case DxfEntityType::Face:
        for (int i = 0; i < 4; ++i)
            placement.Place(values.corners[i], placed[i]);
        return model.ImportDxf3DFace(placed[0], placed[1], placed[2], placed[3]);
    }
    return true;
}

// Reads one entity's groups up to the group 0 that ends it, which is left in
// group. False when the file ends first.
bool ReadEntityGroups(DxfLineReader& file, DxfGroup& group, DxfEntityValues& values)
{
    while (file.ReadGroup(group)) {
        if (group.code == 0)
            return true;
        StoreEntityGroup(group, values);
    }
    return false;
}

// Counts the entity under the reason it is passed over for, or hands it to
// its converter. False when the converter refused at the id limit.
bool TakeEntity(CSectModel& model, DxfEntityType type, const DxfEntityValues& values, const DxfLayerList& layers,
                const DxfPlacement& placement)
{
    DxfSkippedEntities& skipped = model.m_dxfSkipped;
    // The table refuses a name longer than is kept, so it lists no such
    // layer, however the name starts.
    if (!values.layerCut && !IsDxfLayerTaken(layers, values.layer)) {
        ++skipped.onHiddenLayers;
        return true;
    }
    if (const DxfNumbers numbers = CheckNumbers(type, values); numbers != DxfNumbers::Placeable) {
        ++skipped.unplaceable;
        if (numbers == DxfNumbers::Unreadable)
            ++skipped.unreadableNumbers;
        return true;
    }
    if (!IsInPlane(type, values)) {
        ++skipped.offPlane;
        return true;
    }
    // The converter counts what it makes nothing of by why.
    const int skippedBefore = skipped.SkippedCount();
    if (!ConvertEntity(model, type, values, placement))
        return false;
    if (skipped.SkippedCount() == skippedBefore)
        ++skipped.imported;
    return true;
}

// The second pass, from the start of the file: read at the group 0 "EOF"
// (inside a section too) after printing what the import made. Once a
// converter refused at the id limit, the entities left are counted and no
// more is made. Refused after the warning when the file ends first or holds
// a code line that is no group code, which only a file changed since the
// first pass does.
DxfPassResult ReadDxfEntities(CSectModel& model, DxfLineReader& file, const DxfLayerList& layers,
                              const DxfPlacement& placement, DxfReadProgress& progress)
{
    DxfSkippedEntities& skipped = model.m_dxfSkipped;
    DxfSectionStart sectionStart;
    DxfEntityParts parts;
    bool inEntities = false;
    bool atIdLimit = false;
    bool groupPending = false;  // the group 0 that ended an entity, not yet looked at
    DxfGroup group;
    while (groupPending || file.ReadGroup(group)) {
        groupPending = false;
        const std::string& value = group.value;
        // The end of the drawing, inside a section as well: nothing after it
        // is read.
        if (group.code == 0 && value == "EOF") {
            ReportDxfRead(model);
            return DxfPassResult::Read;
        }
        if (!inEntities) {
            inEntities = sectionStart.Starts(group, "ENTITIES");
            continue;
        }
        if (group.code != 0)
            continue;
        if (value == "ENDSEC") {
            inEntities = false;
            parts = DxfEntityParts();
            continue;
        }
        // The parts count too: one POLYLINE may hold millions of vertices.
        if (progress.NoteEntity())
            return DxfPassResult::Canceled;
        if (parts.IsPart(value))
            continue;
        if (atIdLimit) {
            ++skipped.leftAtIdLimit;
            continue;
        }
        DxfEntityType type;
        if (!FindEntityType(value, type)) {
            ++skipped.unreadKinds[value];
            continue;
        }
        DxfEntityValues values;
        if (!ReadEntityGroups(file, group, values))
            break;
        groupPending = true;
        if (!TakeEntity(model, type, values, layers, placement)) {
            atIdLimit = true;
            ++skipped.leftAtIdLimit;
        }
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
    DxfGroup group;
    while (file.ReadGroup(group)) {
        if (group.code == 0 && group.value == "EOF") {
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
        if (sectionStart.Starts(group, "TABLES") && !ReadDxfTables(file, layers))
            break;
    }
    return m_reporter.ShowWarning(kCannotReadDxf);
}
