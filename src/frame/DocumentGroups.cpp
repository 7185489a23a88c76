// The document's group commands: a change only marks the project modified
// (the group dialogs refill their own lists); the getters read the model.

#include "frame/TarvokrtDoc.h"

bool CTarvokrtDoc::CreateGroup(const std::string& name) { return AfterCommand(AfterStep::Modified, model_->CreateGroup(name)); }
bool CTarvokrtDoc::DeleteGroup(const std::string& name) { return AfterCommand(AfterStep::Modified, model_->DeleteGroup(name)); }
bool CTarvokrtDoc::RenameGroup(const std::string& name, const std::string& newName) { return AfterCommand(AfterStep::Modified, model_->RenameGroup(name, newName)); }
bool CTarvokrtDoc::MergeGroups(const std::string& sourceName, const std::string& targetName, bool deleteSource) { return AfterCommand(AfterStep::Modified, model_->MergeGroups(sourceName, targetName, deleteSource)); }
bool CTarvokrtDoc::QueryGroup(const std::string& name) { return model_->QueryGroup(name); }
bool CTarvokrtDoc::AddToGroup(const std::string& name, const std::vector<int>& sectionIds, const std::vector<int>& curveIds, const std::vector<int>& pointIds) { return AfterCommand(AfterStep::Modified, model_->AddToGroup(name, sectionIds, curveIds, pointIds, true)); }
bool CTarvokrtDoc::ExpelFromGroup(const std::string& name, const std::vector<int>& sectionIds, const std::vector<int>& curveIds, const std::vector<int>& pointIds) { return AfterCommand(AfterStep::Modified, model_->ExpelFromGroup(name, sectionIds, curveIds, pointIds)); }
void CTarvokrtDoc::GetGroupSections(const std::string& name, std::vector<int>& out) { model_->GetGroupSections(name, out); }
void CTarvokrtDoc::GetGroupClosedLoops(const std::string& name, std::vector<int>& out) { model_->GetGroupClosedLoops(name, out); }
void CTarvokrtDoc::GetGroupCurves(const std::string& name, std::vector<int>& out) { model_->GetGroupCurves(name, out); }
void CTarvokrtDoc::GetGroupPoints(const std::string& name, std::vector<int>& out) { model_->GetGroupPoints(name, out); }
