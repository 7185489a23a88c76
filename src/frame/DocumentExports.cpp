// The document's exports, chosen by format code, and the newcomer getters.
// Neither marks the project modified nor refreshes a view.

#include "frame/TarvokrtDoc.h"

#include <filesystem>

namespace {

// Format codes of the section and group exports.
enum ExportFormat {
    kProjectFileFormat = 0,
    kPylorTableFormat = 1,
    kZolTableFormat = 2,
    kSectionFileFormat = 3,
    kDxfFormat = 4,
    kTextReportFormat = 5,
};

// Format codes of the property export.
enum PropertyExportFormat { kPylorPropertyTable = 0, kZolPropertyTable = 1, kPropertyTextReport = 2 };

// Product codes of the analysis-table writer.
constexpr int kPylorProduct = 1;
constexpr int kZolProduct = 2;

}  // namespace

bool CTarvokrtDoc::OpenWrittenReport(bool written, const std::string& path)
{
    if (written && launcher_)
        launcher_->OpenInDefaultProgram(path);
    return written;
}

// The straight-line merge and its deviation change none of the files.
bool CTarvokrtDoc::ExportSections(const std::vector<int>& sectionIds, const std::string& path, int format, bool /*mergeStraightLines*/, double /*deviation*/)
{
    const char* file = path.c_str();
    switch (format) {
    case kProjectFileFormat:
        return model_->ExportSectionsToProjectFile(sectionIds, file);
    case kPylorTableFormat:
        return model_->ExportSectionsToAnalysisFile(sectionIds, file, kPylorProduct);
    case kZolTableFormat:
        return model_->ExportSectionsToAnalysisFile(sectionIds, file, kZolProduct);
    case kSectionFileFormat:
        return model_->ExportSectionsToSecFile(sectionIds, file);
    case kDxfFormat:
        return model_->ExportSectionsToDxf(sectionIds, file);
    case kTextReportFormat:
        return OpenWrittenReport(model_->ExportSectionsToText(sectionIds, file, true), path);
    default:
        return false;
    }
}

bool CTarvokrtDoc::ExportGroup(const std::string& groupName, const std::string& path, int format)
{
    const char* file = path.c_str();
    switch (format) {
    case kProjectFileFormat:
        return model_->ExportGroupToProjectFile(groupName, file);
    case kPylorTableFormat:
        return model_->ExportGroupToAnalysisFile(groupName, file, kPylorProduct);
    case kZolTableFormat:
        return model_->ExportGroupToAnalysisFile(groupName, file, kZolProduct);
    case kSectionFileFormat:
        return model_->ExportGroupToSecFile(groupName, file);
    case kDxfFormat:
        return model_->ExportGroupToDxf(groupName, file);
    case kTextReportFormat:
        return OpenWrittenReport(model_->ExportGroupToText(groupName, file), path);
    default:
        return false;
    }
}

bool CTarvokrtDoc::ExportProperties(const std::string& path, int format)
{
    const char* file = path.c_str();
    switch (format) {
    case kPylorPropertyTable:
        return model_->ExportPropertiesToAnalysisFile(file, kPylorProduct);
    case kZolPropertyTable:
        return model_->ExportPropertiesToAnalysisFile(file, kZolProduct);
    case kPropertyTextReport:
        return OpenWrittenReport(model_->ExportPropertiesToText(file), path);
    default:
        return false;
    }
}

void CTarvokrtDoc::OnFileExportDxf()
{
    if (!prompts_)
        return;
    const std::string offeredName = std::filesystem::path(title_).stem().string();
    const std::string path = prompts_->AskSaveFile("Save As", "AutoCAD DXF Files (*.dxf)|*.dxf", "dxf", offeredName);
    if (!path.empty())
        model_->ExportProjectToDxf(path.c_str());
}

void CTarvokrtDoc::GetNewcomerSections(std::vector<int>& out) { model_->GetNewcomerSections(out); }
void CTarvokrtDoc::GetNewcomerClosedLoops(std::vector<int>& out) { model_->GetNewcomerClosedLoops(out); }
void CTarvokrtDoc::GetNewcomerCurves(std::vector<int>& out) { model_->GetNewcomerCurves(out); }
void CTarvokrtDoc::GetNewcomerPoints(std::vector<int>& out) { model_->GetNewcomerPoints(out); }
