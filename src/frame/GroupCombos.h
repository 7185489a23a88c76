#pragma once
// The toolbar's group combo: lists the model's groups by name; choosing one
// selects the group's active members of the kinds the pick filter accepts.
// Every group combo is registered in one list, which the free functions
// empty or refill after any change of the groups.

#include <wx/combobox.h>

#include <string>
#include <vector>

class CScene;
class CSectModel;
class CTarvokrtView;

class CSelectTBarCombo : public wxComboBox {
public:
    CSelectTBarCombo(wxWindow* parent, int id, int width, CTarvokrtView* view);

    CTarvokrtView* View() const { return view_; }
    // What a user's choice does: shows it in every combo, then selects the
    // group's members in the view.
    void OnSelectionChange();

private:
    CTarvokrtView* view_;
};

class CSelectTBarComboGroup : public CSelectTBarCombo {
public:
    CSelectTBarComboGroup(wxWindow* parent, int id, int width, CTarvokrtView* view);
    ~CSelectTBarComboGroup() override;
};

// The registered combos, in the order they were made.
const std::vector<CSelectTBarComboGroup*>& GroupCombos();
void ResetGroupCombos();
// Fills every combo with the group names of its view's model, in map order.
void RefreshGroupCombos();

// Clears the selection, then selects the named group's members that are
// active, kind by kind (points, curves, sections, closed loops) as far as
// the pick filter accepts the kind.
void SelectGroupMembers(CScene& scene, CSectModel& model, const std::string& groupName);
