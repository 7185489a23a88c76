#pragma once
// Merging a project read into a model of its own into the open project:
// everything gets a fresh id, so nothing of the open project is overwritten.

#include <string>
#include <vector>

class CSectModel;

// The new ids the merge gave, per kind in the imported model's id order.
struct MergedRecordIds {
    std::vector<int> sections;
    std::vector<int> closedLoops;
    std::vector<int> curves;
    std::vector<int> points;
};

// The file name of the path without its folder (up to the last "/") and
// without its extension (from the last dot of the name), ASCII letters in
// upper case: "projects/Beam-1.klx" gives "BEAM-1".
std::string ImportNameFromPath(const std::string& path);

// Whether the open model can give ids to every section, closed loop, curve
// and point of the imported one; false after the id limit's warning.
bool ImportFitsIdLimits(const CSectModel& open, const CSectModel& imported);

// Copies the imported model into the open one inside the open model's
// current undo action, in this order: the imported model converted quietly
// to the open units; materials and UCSs (but the GCS) named "<name>-<own
// name>"; sections whole; closed loops with their signed curves; curves;
// points; and a group "KLX:<name>" (numbered when the name is taken) of the
// sections, curves and points. Every reference is translated to the new ids;
// one that names nothing of the imported model becomes 0 or is dropped, so
// it can never name an unrelated record of the open project. The imported
// model's own groups, work UCS and settings stay behind; the imported model
// is changed (units) and is to be thrown away.
MergedRecordIds MergeImportedModel(CSectModel& open, CSectModel& imported, const std::string& importName);
