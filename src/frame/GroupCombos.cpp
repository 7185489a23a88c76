#include "frame/GroupCombos.h"

#include "model/SectModel.h"
#include "view/TarvokrtView.h"

#include <algorithm>

namespace {

std::vector<CSelectTBarComboGroup*>& Registry()
{
    static std::vector<CSelectTBarComboGroup*> combos;
    return combos;
}

}  // namespace

CSelectTBarCombo::CSelectTBarCombo(wxWindow* parent, int id, int width, CTarvokrtView* view)
    : wxComboBox(parent, id, wxEmptyString, wxDefaultPosition, wxSize(width, -1), 0, nullptr, wxCB_READONLY),
      view_(view)
{
    Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) { OnSelectionChange(); });
    // Usable only while the view selects by group, and not while it is modal.
    Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) {
        event.Enable(view_ && view_->m_mouseMode == MOUSE_SELECT_GROUP && !view_->IsModal());
    }, id);
}

void CSelectTBarCombo::OnSelectionChange()
{
    const std::string name = GetStringSelection().utf8_string();
    const int index = GetSelection();
    for (CSelectTBarComboGroup* combo : GroupCombos()) {
        if (combo != this && index < static_cast<int>(combo->GetCount()))
            combo->SetSelection(index);
    }
    if (name.empty() || !view_)
        return;
    CSectModel* model = view_->GetScene()->Model();
    if (!model)
        return;
    SelectGroupMembers(*view_->GetScene(), *model, name);
    view_->RedrawScene();
}

CSelectTBarComboGroup::CSelectTBarComboGroup(wxWindow* parent, int id, int width, CTarvokrtView* view)
    : CSelectTBarCombo(parent, id, width, view)
{
    Registry().push_back(this);
}

CSelectTBarComboGroup::~CSelectTBarComboGroup()
{
    auto& combos = Registry();
    if (auto found = std::find(combos.begin(), combos.end(), this); found != combos.end())
        combos.erase(found);
}

const std::vector<CSelectTBarComboGroup*>& GroupCombos()
{
    return Registry();
}

void ResetGroupCombos()
{
    for (CSelectTBarComboGroup* combo : Registry())
        combo->Clear();
}

void RefreshGroupCombos()
{
    ResetGroupCombos();
    for (CSelectTBarComboGroup* combo : Registry()) {
        const CSectModel* model = combo->View() ? combo->View()->GetScene()->Model() : nullptr;
        if (!model)
            continue;
        for (const auto& [id, group] : model->m_groups)
            combo->Append(wxString::FromUTF8(group->name));
    }
}

void SelectGroupMembers(CScene& scene, CSectModel& model, const std::string& groupName)
{
    scene.ClearSelection();
    scene.ClearCombinedSelection();
    const struct {
        SceneKind kind;
        void (CSectModel::*members)(const std::string&, std::vector<int>&);
    } kinds[] = {{KIND_POINT, &CSectModel::GetGroupPoints},
                 {KIND_CURVE, &CSectModel::GetGroupCurves},
                 {KIND_SECTION, &CSectModel::GetGroupSections},
                 {KIND_CLOSED_LOOP, &CSectModel::GetGroupClosedLoops}};
    for (const auto& entry : kinds) {
        if (!scene.m_pickFilter[entry.kind])
            continue;
        std::vector<int> ids;
        (model.*entry.members)(groupName, ids);
        scene.SelectActiveIds(entry.kind, ids);
    }
}
