#pragma once
// The "Material List" and "Add/Modify Material" dialogs, thin windows over
// MaterialListForm and MaterialItemForm. Enter goes to the focused control.

#include "frame/DlgBases.h"
#include "tools/MaterialForms.h"

class CSectModel;
class CTarvokrtDoc;
class CTarvokrtView;
class IMessageBoxPort;
class IToolDocument;
class wxListView;
class wxTextCtrl;

enum MaterialListControl {
    ID_MATERIAL_LIST = 1000,
    ID_MATERIAL_ADD = 1198,
    ID_MATERIAL_MODIFY = 1199,
    ID_MATERIAL_DELETE = 1200,
};

class CMaterialItem : public CDlgMove {
public:
    // The fields show the item's material (modify mode, the ID disabled) or
    // a new one with the smallest free id.
    CMaterialItem(wxWindow* parent, MaterialItemForm& item, const CSectModel& model, IMessageBoxPort& boxes);

    // OK's work: false, with the dialog left open, when a field is refused.
    bool AcceptFields();

private:
    MaterialItemForm& item_;
    const CSectModel& model_;
    IMessageBoxPort& boxes_;
    wxTextCtrl* id_;
    wxTextCtrl* name_;
    wxTextCtrl* modulus_;
    wxTextCtrl* ratio_;
};

class CMaterialList : public CDlgMove {
public:
    // redrawViewNow draws the active view at once.
    CMaterialList(wxWindow* parent, IToolDocument& document, IMessageBoxPort& boxes,
                  std::function<void()> redrawViewNow);

    MaterialListForm& Form() { return form_; }
    wxListView& ListView() { return *listView_; }

private:
    // Runs one of the form's commands on the list's selected row, then shows
    // the form's selection.
    void RunOnSelection(void (MaterialListForm::*command)());
    bool RunItem(MaterialItemForm& item);

    IToolDocument& document_;
    IMessageBoxPort& boxes_;
    MaterialListForm form_;
    wxListView* listView_;
};

// The material list command (32812): the list, modal over the main window;
// the view is drawn at once after a change that may show in it.
void RunMaterialListCommand(wxWindow* parent, CTarvokrtDoc& document, CTarvokrtView& view, IMessageBoxPort& boxes);
