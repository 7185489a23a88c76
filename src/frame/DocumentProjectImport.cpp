// File > Import > KLX Project: the command's sequence, its output lines and
// its undo action around the merge of each file (io/ProjectImport).

#include "frame/TarvokrtDoc.h"

#include "io/ProjectFileRead.h"
#include "io/ProjectImport.h"
#include "model/TextFormat.h"

namespace {

const char* const kImportTitle = "Import KLX project";
const char* const kProjectFilter = "KLX Project Files (*.klx)|*.klx";

void Append(std::vector<int>& to, const std::vector<int>& ids)
{
    to.insert(to.end(), ids.begin(), ids.end());
}

int Count(const std::vector<int>& ids)
{
    return static_cast<int>(ids.size());
}

template <class T>
int Count(const IdMap<T>& records)
{
    return static_cast<int>(records.size());
}

}  // namespace

void CTarvokrtDoc::OnFileImportProject()
{
    if (!prompts_)
        return;
    const std::vector<std::string> paths = prompts_->AskOpenFiles("Open", kProjectFilter);
    if (!paths.empty())
        ImportProjects(paths);
}

void CTarvokrtDoc::ImportProjects(const std::vector<std::string>& paths)
{
    PrintMessage(kImportTitle, 0);
    model_->BeginUndoAction();
    model_->SetUndoActionTitle(kImportTitle);

    MergedRecordIds imported;
    int importedFiles = 0;
    for (const std::string& path : paths) {
        // The file's own model speaks through the boxes and the output window.
        CSectModel read;
        UserPorts readPorts = ports_;
        readPorts.progress = nullptr;
        read.m_reporter.SetPorts(readPorts);
        const ProjectReadResult result = ReadProjectFileFrom(read, path, false);
        if (result == ProjectReadResult::CannotOpen)
            continue;
        if (result == ProjectReadResult::Rejected) {
            model_->m_reporter.ShowError("Cannot recognize the file format of " + FullFilePath(path));
            continue;
        }
        if (!ImportFitsIdLimits(*model_, read))
            continue;

        const std::string name = ImportNameFromPath(path);
        const MergedRecordIds merged = MergeImportedModel(*model_, read, name);
        PrintMessage(FormatText("(%d) Imported KLX project [%s]: Section [%d], Curve [%d], Point [%d]", ++importedFiles,
                                name.c_str(), Count(merged.sections), Count(merged.curves), Count(merged.points)),
                     0);
        Append(imported.sections, merged.sections);
        Append(imported.closedLoops, merged.closedLoops);
        Append(imported.curves, merged.curves);
        Append(imported.points, merged.points);
        OnModelChanged();
        if (frame_) {
            frame_->RebuildViews();
            frame_->ZoomFitViews();
            frame_->RepaintMainWindow();
        }
    }

    // A kind nothing was imported of keeps its newcomers.
    if (!imported.sections.empty())
        model_->AddNewcomerSections(imported.sections, true);
    if (!imported.closedLoops.empty())
        model_->AddNewcomerClosedLoops(imported.closedLoops, true);
    if (!imported.curves.empty())
        model_->AddNewcomerCurves(imported.curves, true);
    if (!imported.points.empty())
        model_->AddNewcomerPoints(imported.points, true);
    PrintMessage(FormatText("- Integrated KLX project: Section [%d], Curve [%d], Point [%d]", Count(model_->m_sections),
                            Count(model_->m_curves), Count(model_->m_points)),
                 0);
    OfferArrangement();
}

void CTarvokrtDoc::OfferArrangement()
{
    // Every active section, imported or not.
    const std::vector<int> sectionIds = frame_ ? frame_->ActiveSectionIds() : std::vector<int>();
    if (sectionIds.size() < 2)
        return;
    if (model_->m_reporter.AskYesNo(FormatText("Arrange the %d sections?", Count(sectionIds)), 1) != 1)
        return;
    // Into the import's own action, so that one Undo takes back both.
    model_->ArrangeSections(sectionIds, 0, 0, 0, false);
    OnModelChanged();
    frame_->ZoomFitViews();
    frame_->RepaintMainWindow();
}
