#include "frame/TarvokrtDoc.h"

#include "model/HeldOutput.h"

#include <cmath>
#include <filesystem>
#include <vector>

const char* const KLX_BANNER = "TARVO/KLX V 1.3.0 - Profilor";

namespace {

constexpr double SETTING_EQUALITY = 1e-6;

std::string FileTitle(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

bool TouchesGroups(const T_ACTION_D* action)
{
    return action && (!action->groups.created.empty() || !action->groups.saved.empty());
}

bool TouchesUcs(const T_ACTION_D* action)
{
    return action && (!action->ucs.created.empty() || !action->ucs.saved.empty());
}

}  // namespace

CTarvokrtDoc::CTarvokrtDoc(const UserPorts& ports, IDocumentFrame* frame, IDocumentPrompts* prompts,
                           IFileLauncher* launcher)
    : ports_(ports), frame_(frame), prompts_(prompts), launcher_(launcher), model_(MakeModel(ports))
{
}

CTarvokrtDoc::~CTarvokrtDoc()
{
    if (ports_.output)
        ports_.output->ClearMessages();
}

std::unique_ptr<CSectModel> CTarvokrtDoc::MakeModel(const UserPorts& ports) const
{
    auto model = std::make_unique<CSectModel>();
    model->m_reporter.SetPorts(ports);
    return model;
}

void CTarvokrtDoc::NewProject()
{
    if (ports_.output)
        ports_.output->ClearMessages();
    model_ = MakeModel(ports_);
    model_->m_reporter.PrintOutput(KLX_BANNER);
    displayOutOfDate_ = true;
    modified_ = false;
    pathName_.clear();
    title_ = "KLX" + std::to_string(++untitledCount_);
}

bool CTarvokrtDoc::OpenProject(const std::string& path)
{
    HeldOutput held;  // until the read is known to have succeeded
    UserPorts readPorts = ports_;
    readPorts.output = &held;
    std::unique_ptr<CSectModel> read = MakeModel(readPorts);
    if (!read->ReadProjectFile(path, true)) {
        // What the reader printed before it failed still belongs on screen.
        for (const std::string& line : held.lines)
            PrintMessage(line, 0);
        return false;
    }
    read->m_reporter.SetPorts(ports_);
    if (ports_.output)
        ports_.output->ClearMessages();
    model_ = std::move(read);
    model_->m_reporter.PrintOutput(KLX_BANNER);
    for (const std::string& line : held.lines)
        model_->m_reporter.PrintOutput(line);
    displayOutOfDate_ = true;
    modified_ = false;
    pathName_ = path;
    title_ = FileTitle(path);
    return true;
}

bool CTarvokrtDoc::SaveModified()
{
    if (!modified_)
        return true;
    switch (prompts_->AskSaveChanges(title_)) {
    case SaveAnswer::Cancel:
        return false;
    case SaveAnswer::No:
        return true;
    case SaveAnswer::Yes:
        break;
    }
    return OnFileSave();
}

bool CTarvokrtDoc::OnFileSave()
{
    if (pathName_.empty())
        return OnFileSaveAs();
    return SaveProject(pathName_);
}

bool CTarvokrtDoc::OnFileSaveAs()
{
    const std::string path = prompts_->AskSavePath(pathName_.empty() ? title_ : pathName_);
    return !path.empty() && SaveProject(path);
}

bool CTarvokrtDoc::SaveProject(const std::string& path)
{
    if (!model_->WriteProjectFile(path))
        return false;
    modified_ = false;
    pathName_ = path;
    title_ = FileTitle(path);
    if (frame_)
        frame_->ProjectSaved();
    return true;
}

void CTarvokrtDoc::OnModelChanged()
{
    SetModifiedFlag(true);
    displayOutOfDate_ = true;
    if (frame_)
        frame_->RedrawViews(false);
}

void CTarvokrtDoc::RedrawAllViews()
{
    displayOutOfDate_ = true;
    if (frame_)
        frame_->RedrawViews(true);
}

void CTarvokrtDoc::RepaintMainWindow()
{
    if (frame_)
        frame_->RepaintMainWindow();
}

int CTarvokrtDoc::AskCalcPause(const std::string& text, bool lastSection)
{
    return frame_ ? frame_->AskCalcPause(text, lastSection) : PAUSE_CONTINUE;
}

double CTarvokrtDoc::ProcessorSeconds()
{
    return frame_ ? frame_->ProcessorSeconds() : 0.0;
}

void CTarvokrtDoc::HoldMilliseconds(int milliseconds)
{
    if (frame_)
        frame_->HoldMilliseconds(milliseconds);
}

bool CTarvokrtDoc::AfterCommand(AfterStep step, bool commandResult)
{
    // A command that in the end changed nothing filed no undo step: the
    // project stays as modified as it was.
    const bool changed = model_->TakeUndoStepFiled();
    if (!commandResult)
        return false;
    const bool wasModified = modified_;
    switch (step) {
    case AfterStep::Redraw:
        OnModelChanged();
        break;
    case AfterStep::FitViews:
        SetModifiedFlag(true);
        displayOutOfDate_ = true;
        if (frame_)
            frame_->ZoomFitViews();
        break;
    case AfterStep::Modified:
        SetModifiedFlag(true);
        break;
    case AfterStep::MaterialList:
        SetModifiedFlag(true);
        if (frame_)
            frame_->UpdateMaterialList();
        break;
    }
    if (!changed)
        SetModifiedFlag(wasModified);
    return true;
}

void CTarvokrtDoc::PrintMessage(const std::string& text, int mode)
{
    model_->m_reporter.PrintOutput(text, mode);
}

void CTarvokrtDoc::StepUndo(bool redo)
{
    const T_ACTION_D* action = redo ? model_->GetCurrentRedoAction() : model_->GetCurrentUndoAction();
    const bool groups = TouchesGroups(action);
    const bool ucs = TouchesUcs(action);
    if (!(redo ? model_->Redo() : model_->Undo(true)))
        return;
    OnModelChanged();
    if (!frame_)
        return;
    if (groups) {
        frame_->RefreshGroupCombos();
        if (model_->m_groups.empty())
            frame_->LeaveSelectGroupMode();
        frame_->RefreshGroupToolDialogs();
    }
    if (ucs) {
        if (model_->m_ucs.size() == 1 || model_->m_currentUcsId == 0)
            frame_->ShowGlobalCoordinates();
        frame_->RefreshUcsToolDialogs();
    }
}

void CTarvokrtDoc::OnEditUndo()
{
    StepUndo(false);
}

void CTarvokrtDoc::OnEditRedo()
{
    StepUndo(true);
}

void CTarvokrtDoc::OnClearUndoStorage()
{
    model_->ClearUndoStorage();
    PrintMessage("Undo storage is cleared.", 0);
}

void CTarvokrtDoc::OnClearRedoStorage()
{
    model_->ClearRedoStorage();
    PrintMessage("Redo storage is cleared.", 0);
}

bool CTarvokrtDoc::IsNewPositiveSetting(double value, double current, const char* refusal) const
{
    if (std::fabs(value - current) < SETTING_EQUALITY)
        return false;
    if (!std::isfinite(value) || value <= 0.0) {
        model_->m_reporter.ShowInfo(refusal);
        return false;
    }
    return true;
}

void CTarvokrtDoc::SetTolerance(double tolerance)
{
    if (!IsNewPositiveSetting(tolerance, model_->m_tolerance, "Tolerance should be greater than 0."))
        return;
    model_->SetTolerance(tolerance);
    SetModifiedFlag(true);
}

void CTarvokrtDoc::SetAngleStep(double angleStep)
{
    if (!IsNewPositiveSetting(angleStep, model_->m_angleStep, "Angle step should be greater than 0."))
        return;
    model_->SetAngleStep(angleStep);
    SetModifiedFlag(true);
}

void CTarvokrtDoc::SetUnits(int lengthUnit, int forceUnit)
{
    if (lengthUnit == model_->m_lengthUnit && forceUnit == model_->m_forceUnit)
        return;
    model_->ChangeUnitSystem(lengthUnit, forceUnit, false);
    OnModelChanged();
    if (frame_)
        frame_->ZoomFitViews();
}

void CTarvokrtDoc::SetGrid(int countX, int countY, double size)
{
    if (countX <= 0 || countY <= 0) {
        model_->m_reporter.ShowInfo("The number of grids should be greater than 0.");
        return;
    }
    if (size < model_->m_tolerance || !std::isfinite(size)) {
        model_->m_reporter.ShowInfo("Grid size should be greater than the tolerance.");
        return;
    }
    model_->SetGrid(countX, countY, size);
    OnModelChanged();
}

bool CTarvokrtDoc::BeginDxfImport()
{
    return model_->BeginDxfImport();
}

bool CTarvokrtDoc::ImportDxf(const std::string& path, const double offset[2], double rotation)
{
    if (!model_->ReadDxfFile(path.c_str(), offset, rotation))
        return false;
    OnModelChanged();
    if (frame_) {
        frame_->RebuildViews();
        frame_->ZoomFitViews();
    }
    return true;
}

void CTarvokrtDoc::FinishDxfImport(const std::string& name)
{
    model_->FinishDxfImport(name.c_str());
    OnModelChanged();
}
