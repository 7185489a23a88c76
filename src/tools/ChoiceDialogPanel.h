#pragma once
// The window of a choice form (ChoiceToolForm.h), laid out from a list of
// items, top to bottom: labels, edits (with their label, and a spin beside
// them when a Spin item follows), radio buttons, check boxes, drop-down
// lists and framed boxes. It mirrors the form both ways: the form's values,
// rows and enabled states show in the controls, and clicks, choices and
// spin steps go to the form, whose rules then run.
//
// A radio group's buttons are the form's group, wherever the items place
// them on the panel.

#include "frame/ToolDialogPanel.h"
#include "tools/ChoiceToolForm.h"

#include <string>
#include <utility>
#include <vector>

class wxSizer;

enum class DialogItemKind { Label, Edit, Spin, Radio, Check, Combo, BoxBegin, BoxEnd };

struct DialogItem {
    DialogItem(DialogItemKind itemKind, int itemId = wxID_ANY, std::string itemText = {}, int itemLabelId = wxID_ANY)
        : kind(itemKind), id(itemId), text(std::move(itemText)), labelId(itemLabelId)
    {
    }

    DialogItemKind kind;
    int id;
    std::string text;
    int labelId;  // an Edit's label, when the dialog switches it
};

class CChoiceDialogPanel : public CToolDialogPanel, public IChoiceObserver {
public:
    CChoiceDialogPanel(wxWindow* parent, CChoiceToolForm& form, ToolPageContext& context,
                       const std::vector<DialogItem>& items);
    ~CChoiceDialogPanel() override;

protected:
    void ResetControls() override;

private:
    void OnChoiceState(int controlId) override;
    void OnChoiceFocus(int controlId) override;
    void ShowSpinValue(const SpinButton& spin);

    CChoiceToolForm& form_;
    std::vector<int> choiceIds_;  // radio buttons, check boxes, combos, spins, labels and boxes
};
