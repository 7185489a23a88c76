// The document's exports, chosen by format code, and the newcomer getters.
// Neither marks the project modified nor refreshes a view.

#include "frame/TarvokrtDoc.h"

namespace {
// Format code of a KLX project file holding only what is exported.
constexpr int kProjectFileFormat = 0;
}  // namespace

// The straight-line merge and its deviation change none of the files.
bool CTarvokrtDoc::ExportSections(const std::vector<int>& sectionIds, const std::string& path, int format, bool /*mergeStraightLines*/, double /*deviation*/)
{
    switch (format) {
    case kProjectFileFormat:
        return model_->ExportSectionsToProjectFile(sectionIds, path.c_str());
    default:
        return false;
    }
}

bool CTarvokrtDoc::ExportGroup(const std::string& groupName, const std::string& path, int format)
{
    switch (format) {
    case kProjectFileFormat:
        return model_->ExportGroupToProjectFile(groupName, path.c_str());
    default:
        return false;
    }
}

void CTarvokrtDoc::GetNewcomerSections(std::vector<int>& out) { model_->GetNewcomerSections(out); }
void CTarvokrtDoc::GetNewcomerClosedLoops(std::vector<int>& out) { model_->GetNewcomerClosedLoops(out); }
void CTarvokrtDoc::GetNewcomerCurves(std::vector<int>& out) { model_->GetNewcomerCurves(out); }
void CTarvokrtDoc::GetNewcomerPoints(std::vector<int>& out) { model_->GetNewcomerPoints(out); }
