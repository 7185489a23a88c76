// Saving and opening the whole project file.

#include "io/ProjectFileBytes.h"
#include "io/ProjectFileChecks.h"
#include "io/ProjectFileLayout.h"
#include "io/ProjectFileRead.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <climits>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <new>

namespace {

const char* const kUnknownFormat = "Cannot read the TARVO/KLX project file.\n\n(Unknown file format)";

bool IsReadableVersion(std::int32_t version)
{
    switch (static_cast<std::uint32_t>(version)) {
    case 20010901:
    case 20021123:
    case 20041201:
    case 20051227:
        return true;
    default:
        return false;
    }
}

// Only the newest version stores the angle step; older files keep the
// default.
bool HasAngleStep(std::int32_t version)
{
    return static_cast<std::uint32_t>(version) >= 20051227u;
}

bool HasShearAreas(std::int32_t version)
{
    return static_cast<std::uint32_t>(version) >= 20041201u;
}

std::string CountLine(const CSectModel& model)
{
    return FormatText("- Section [%d], Curve [%d], Point [%d]", static_cast<int>(model.m_sections.size()),
                      static_cast<int>(model.m_curves.size()), static_cast<int>(model.m_points.size()));
}

ProjectIdCounters CountersOf(const CSectModel& model)
{
    return {model.m_nextSectionId, model.m_nextClosedLoopId, model.m_nextCurveId, model.m_nextPointId,
            model.m_nextMaterialId, model.m_nextUcsId, model.m_nextGroupId};
}

void ReadProjectHeader(ProjectFileReader& file, CSectModel& model)
{
    model.m_headerValue = file.ReadInt32();
    model.m_gridCountX = file.ReadInt32();
    model.m_gridCountY = file.ReadInt32();
    model.m_gridSize = file.ReadDouble();
    model.m_lengthUnit = file.ReadInt32();
    model.m_forceUnit = file.ReadInt32();
    model.m_nextSectionId = file.ReadInt32();
    model.m_nextClosedLoopId = file.ReadInt32();
    model.m_nextCurveId = file.ReadInt32();
    model.m_nextPointId = file.ReadInt32();
    model.m_nextMaterialId = file.ReadInt32();
    model.m_nextUcsId = file.ReadInt32();
    model.m_nextGroupId = file.ReadInt32();
    model.m_tolerance = file.ReadDouble();
    if (HasAngleStep(model.m_versionWord))
        model.m_angleStep = file.ReadDouble();
}

// The records after the header, into a model that holds only its GCS.
void ReadProjectRecords(ProjectFileReader& file, CSectModel& model)
{
    const std::size_t sectionBytes =
        HasShearAreas(model.m_versionWord) ? RecordBytes::kSection : RecordBytes::kSectionWithoutShearAreas;
    ReadCollection(file, sectionBytes, BoundsOf(IdKind::Section, "section"), model.m_sections,
                   [&model](auto& f, auto* r) { model.ReadSectionRecord(f, r); });
    ReadCollection(file, RecordBytes::kClosedLoop, BoundsOf(IdKind::ClosedLoop, "closed loop"), model.m_closedLoops,
                   [&model](auto& f, auto* r) { model.ReadClosedLoopRecord(f, r); });
    ReadCollection(file, RecordBytes::kCurve, BoundsOf(IdKind::Curve, "curve"), model.m_curves,
                   [&model](auto& f, auto* r) { model.ReadCurveRecord(f, r); });
    ReadCollection(file, RecordBytes::kPoint, BoundsOf(IdKind::Point, "point"), model.m_points,
                   [&model](auto& f, auto* r) { model.ReadPointRecord(f, r); });
    ReadCollection(file, RecordBytes::kMaterial, PositiveIdBounds("material"), model.m_materials,
                   [&model](auto& f, auto* r) { model.ReadMaterialRecord(f, r); });

    // The file's own GCS takes the place of the constructor's; a file without
    // one keeps the constructor's, on which the rest of the system relies.
    std::unique_ptr<T_UCS_D> constructorGcs = std::move(model.m_ucs[0]);
    model.m_ucs.clear();
    ReadCollection(file, RecordBytes::kUcs, IdBounds{0, INT_MAX, "UCS"}, model.m_ucs,
                   [&model](auto& f, auto* r) { model.ReadUcsRecord(f, r); });
    model.m_ucs.try_emplace(0, std::move(constructorGcs));

    ReadCollection(file, RecordBytes::kGroup, PositiveIdBounds("group"), model.m_groups,
                   [&model](auto& f, auto* r) { model.ReadGroupRecord(f, r); });
    if (file.BytesLeft() != 0)
        throw ProjectFileDamaged("bytes follow the last group record");
}

// Moves everything a project file holds from a model that was read in full
// into the open one, which then works in the GCS and has no mesh, no undo
// steps and no newcomers.
void AdoptProject(CSectModel& model, CSectModel& read)
{
    model.m_sections.swap(read.m_sections);
    model.m_closedLoops.swap(read.m_closedLoops);
    model.m_curves.swap(read.m_curves);
    model.m_points.swap(read.m_points);
    model.NotePointsMoved();
    model.m_materials.swap(read.m_materials);
    model.m_ucs.swap(read.m_ucs);
    model.m_groups.swap(read.m_groups);
    model.m_versionWord = read.m_versionWord;
    model.m_headerValue = read.m_headerValue;
    model.m_gridCountX = read.m_gridCountX;
    model.m_gridCountY = read.m_gridCountY;
    model.m_gridSize = read.m_gridSize;
    model.m_lengthUnit = read.m_lengthUnit;
    model.m_forceUnit = read.m_forceUnit;
    model.m_nextSectionId = read.m_nextSectionId;
    model.m_nextClosedLoopId = read.m_nextClosedLoopId;
    model.m_nextCurveId = read.m_nextCurveId;
    model.m_nextPointId = read.m_nextPointId;
    model.m_nextMaterialId = read.m_nextMaterialId;
    model.m_nextUcsId = read.m_nextUcsId;
    model.m_nextGroupId = read.m_nextGroupId;
    model.m_tolerance = read.m_tolerance;
    model.m_angleStep = read.m_angleStep;
    model.m_currentUcsId = 0;
    model.ClearFeMesh();
    // Nothing may restore or point at a record of the project read over.
    model.ClearUndoStorage();
    model.ClearRedoStorage();
    model.m_newcomerSections.clear();
    model.m_newcomerClosedLoops.clear();
    model.m_newcomerCurves.clear();
    model.m_newcomerPoints.clear();
    model.m_lastQueriedPointId = 0;
}

} // namespace

void WriteProjectHeader(ProjectFileWriter& file, const CSectModel& model, const ProjectIdCounters& counters)
{
    file.WriteInt32(kProjectFileVersion);
    file.WriteInt32(model.m_headerValue);
    file.WriteInt32(model.m_gridCountX);
    file.WriteInt32(model.m_gridCountY);
    file.WriteDouble(model.m_gridSize);
    file.WriteInt32(model.m_lengthUnit);
    file.WriteInt32(model.m_forceUnit);
    for (int nextId : {counters.section, counters.closedLoop, counters.curve, counters.point, counters.material,
                       counters.ucs, counters.group})
        file.WriteInt32(nextId);
    file.WriteDouble(model.m_tolerance);
    file.WriteDouble(model.m_angleStep);
}

bool StoreProjectFile(const CMessageReporter& reporter, const std::string& path, const std::string& bytes)
{
    switch (StoreFileReplacing(path, bytes)) {
    case FileStoreResult::Stored:
        return true;
    case FileStoreResult::CannotCreate:
        return reporter.ShowError("Cannot create a KLX project file!");
    case FileStoreResult::CannotWrite:
        break;
    }
    return reporter.ShowError(FormatText("Cannot write the file [%s].", FullFilePath(path).c_str()));
}

void CSectModel::WriteProjectContents(ProjectFileWriter& file)
{
    WriteProjectHeader(file, *this, CountersOf(*this));
    WriteCollection(file, m_sections, [this](auto& f, auto* r) { WriteSectionRecord(f, r); });
    WriteCollection(file, m_closedLoops, [this](auto& f, auto* r) { WriteClosedLoopRecord(f, r); });
    WriteCollection(file, m_curves, [this](auto& f, auto* r) { WriteCurveRecord(f, r); });
    WriteCollection(file, m_points, [this](auto& f, auto* r) { WritePointRecord(f, r); });
    WriteCollection(file, m_materials, [this](auto& f, auto* r) { WriteMaterialRecord(f, r); });
    WriteCollection(file, m_ucs, [this](auto& f, auto* r) { WriteUcsRecord(f, r); });
    file.WriteCount(m_groups.size());
    // Only live members are written; the open groups keep their dead ids for undo.
    for (const auto& [id, group] : m_groups) {
        const T_GROUP_D live = LiveGroupMembers(*group);
        WriteGroupRecord(file, &live);
    }
}

bool CSectModel::WriteProjectFile(const std::string& path)
{
    ProjectFileWriter file;
    try {
        WriteProjectContents(file);
    } catch (const std::length_error&) {
        return m_reporter.ShowError(FormatText("Cannot write the file [%s].", FullFilePath(path).c_str()));
    } catch (const std::bad_alloc&) {
        return m_reporter.ShowError(FormatText("Cannot write the file [%s].", FullFilePath(path).c_str()));
    }
    if (!StoreProjectFile(m_reporter, path, file.Bytes()))
        return false;

    m_reporter.PrintOutput(FormatText("KLX project is saved in [%s].", FullFilePath(path).c_str()));
    m_reporter.PrintOutput(CountLine(*this));
    return true;
}

std::string FullFilePath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.string();
}

ProjectReadResult ReadProjectFileFrom(CSectModel& model, const std::string& path, bool report)
{
    std::string bytes;
    switch (LoadWholeFile(path, bytes)) {
    case FileLoadResult::Loaded:
        break;
    case FileLoadResult::TooLarge:
        model.m_reporter.ShowError(
            "Cannot read the TARVO/KLX project file.\n\n(Damaged file: it is far too large for a project)");
        return ProjectReadResult::Rejected;
    case FileLoadResult::CannotOpen:
    case FileLoadResult::CannotRead:
        model.m_reporter.ReportFileOpenError(FullFilePath(path));
        return ProjectReadResult::CannotOpen;
    }
    ProjectFileReader file(std::move(bytes), FullFilePath(path));
    return model.ReadProjectFile(file, report) ? ProjectReadResult::Read : ProjectReadResult::Rejected;
}

bool CSectModel::ReadProjectFile(const std::string& path, bool report)
{
    return ReadProjectFileFrom(*this, path, report) == ProjectReadResult::Read;
}

bool CSectModel::ReadProjectFile(ProjectFileReader& file, bool report)
{
    // Read into a model of our own and hand it over only when the whole file
    // was sound, so a failed read changes nothing.
    auto read = std::make_unique<CSectModel>();
    try {
        if (file.BytesLeft() < 4)
            return m_reporter.ShowError(kUnknownFormat);
        read->m_versionWord = file.ReadInt32();
        if (!IsReadableVersion(read->m_versionWord))
            return m_reporter.ShowError(kUnknownFormat);
        ReadProjectHeader(file, *read);
        CheckProjectSettings(*read);
        ReadProjectRecords(file, *read);
        CheckProjectReferences(*read);
        // A project just read has no undo to bring dead members back.
        for (auto& [id, group] : read->m_groups)
            *group = read->LiveGroupMembers(*group);
        RaiseIdCountersPastIds(*read);
    } catch (const ProjectFileDamaged& damage) {
        return m_reporter.ShowError(
            FormatText("Cannot read the TARVO/KLX project file.\n\n(Damaged file: %s)", damage.what()));
    } catch (const std::bad_alloc&) {
        return m_reporter.ShowError("Cannot read the TARVO/KLX project file.\n\n(Not enough memory)");
    }
    AdoptProject(*this, *read);

    if (report) {
        m_reporter.PrintOutput(FormatText("KLX project is retrieved from [%s].", file.GetFilePath().c_str()));
        m_reporter.PrintOutput(CountLine(*this));
    }
    return true;
}
