#pragma once
// The windows of the Properties page's tool dialogs, thin layers over their
// forms: the user's clicks go into the form, the form's own resets show in
// the controls.

#include "frame/ToolDialogPanel.h"
#include "tools/CalcToolForms.h"

#include <vector>

class wxCheckBox;
class wxRadioButton;
class wxSlider;

struct RadioChoice {
    int controlId;
    const char* label;
};
// The display radios in the order of the view's property labels.
const std::vector<RadioChoice>& PropertyRadios();

// Export format radios, indexed by format code.
enum PropertyExportRadio { ID_EXPORT_PYLOR = 1355, ID_EXPORT_ZOL = 1389, ID_EXPORT_TEXT = 1390 };

class CAToolCalc : public CToolDialogPanel {
public:
    CAToolCalc(wxWindow* parent, CalcForm& form, ToolPageContext& context);
    ~CAToolCalc() override;

private:
    // Shows the form's radios, slider and check boxes.
    void ResetControls() override;

    CalcForm& form_;
    wxRadioButton* density_;
    wxRadioButton* size_;
    wxSlider* slider_;
    wxCheckBox* pause_;
    wxCheckBox* recalculate_;
};

class CAToolDisp : public CToolDialogPanel {
public:
    CAToolDisp(wxWindow* parent, DisplayForm& form, ToolPageContext& context);
    ~CAToolDisp() override;

private:
    // Shows the form's radios, slider and check boxes.
    void ResetControls() override;

    DisplayForm& form_;
    std::vector<wxRadioButton*> radios_;
};

class CAToolExport : public CToolDialogPanel {
public:
    CAToolExport(wxWindow* parent, ExportForm& form, ToolPageContext& context);
    ~CAToolExport() override;

private:
    // Shows the form's radios, slider and check boxes.
    void ResetControls() override;

    ExportForm& form_;
    std::vector<wxRadioButton*> radios_;
};
