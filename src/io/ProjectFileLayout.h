#pragma once
// The project file's layout shared by the full save, the read and the subset
// export: the header, the collections (an unsigned count, then the records) and
// the bounds every id read from a file must keep.

#include "io/ProjectFileBytes.h"
#include "model/IdLimits.h"
#include "model/ModelRecords.h"

#include <climits>
#include <memory>
#include <string>

class CMessageReporter;
class CSectModel;

// The version every file is written in; older files are read too.
constexpr int kProjectFileVersion = 20051227;

// The seven next-id counters of the header, in file order.
struct ProjectIdCounters {
    int section;
    int closedLoop;
    int curve;
    int point;
    int material;
    int ucs;
    int group;
};

// The header with every setting of the model and the given counters.
void WriteProjectHeader(ProjectFileWriter& file, const CSectModel& model, const ProjectIdCounters& counters);

// Stores the bytes under path, replacing any old file only once the new one is
// complete; a failure shows its error box and gives false.
bool StoreProjectFile(const CMessageReporter& reporter, const std::string& path, const std::string& bytes);

// The fewest bytes each record can take (its names and lists empty): a
// collection's count is checked against these before any record is built.
namespace RecordBytes {
constexpr std::size_t kCount = 4;
constexpr std::size_t kName = 4;
constexpr std::size_t kIdList = kCount;
constexpr std::size_t kSectionFixedWithShearAreas = 203;  // fields 1 to 28, name bytes aside
constexpr std::size_t kShearAreas = 16;
constexpr std::size_t kSection = kSectionFixedWithShearAreas + 5 * kCount + kIdList;  // five collections
constexpr std::size_t kSectionWithoutShearAreas = kSection - kShearAreas;
constexpr std::size_t kDomain = 4 + 1 + 4 + kIdList;
constexpr std::size_t kSectionLoop = 4 + 4 + kIdList;
constexpr std::size_t kSectionCurve = 4 + 4 + 4 + 2 * kIdList;
constexpr std::size_t kFacet = 20;
constexpr std::size_t kPoint = 44;
constexpr std::size_t kClosedLoop = 4 + kIdList;
constexpr std::size_t kCurve = 4 + 4 + 8 + 4 + 2 * kIdList;
constexpr std::size_t kMaterial = 4 + kName + 8 + 8;
constexpr std::size_t kUcs = 4 + kName + 4 + 10 * 8;
constexpr std::size_t kGroup = 4 + kName + 3 * kIdList;
} // namespace RecordBytes

// The ids a kind may use: from lowest up to, not including, beyond. Kinds the
// view keys by id stay below the model's limits; the others stop short of the
// largest int so that the counter past them still fits.
struct IdBounds {
    int lowest;
    int beyond;
    const char* kind;
};

inline IdBounds BoundsOf(IdKind kind, const char* name)
{
    return {1, IdUpperBound(kind), name};
}

inline IdBounds PositiveIdBounds(const char* name)
{
    return {1, INT_MAX, name};
}

inline void RequireIdInBounds(int id, const IdBounds& bounds)
{
    if (id < bounds.lowest || id >= bounds.beyond)
        throw ProjectFileDamaged(std::string("a ") + bounds.kind + " id is out of range");
}

// A next-id counter: at least 1 and no further than the first id the kind may
// not use.
inline void RequireCounterInBounds(int nextId, const IdBounds& bounds)
{
    if (nextId < 1 || nextId > bounds.beyond)
        throw ProjectFileDamaged(std::string("the next ") + bounds.kind + " id is out of range");
}

template <class T, class Write>
void WriteCollection(ProjectFileWriter& file, const IdMap<T>& records, Write writeRecord)
{
    file.WriteCount(records.size());
    for (const auto& [id, record] : records)
        writeRecord(file, record.get());
}

// Builds each record with its defaults, reads it and files it under its id; a
// later record with an id already present is discarded.
template <class T, class Read>
void ReadCollection(ProjectFileReader& file, std::size_t minRecordBytes, const IdBounds& bounds, IdMap<T>& records,
                    Read readRecord)
{
    const std::size_t count = file.ReadCount(minRecordBytes);
    for (std::size_t i = 0; i < count; ++i) {
        auto record = std::make_unique<T>();
        readRecord(file, record.get());
        RequireIdInBounds(record->id, bounds);
        records.try_emplace(record->id, std::move(record));
    }
}
