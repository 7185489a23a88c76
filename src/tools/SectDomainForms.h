#pragma once
// The forms of the Section page's last five dialogs: Change Domain State and
// Query (no controls), Assign Domain Material, Export and Pick.

#include "tools/DialogForm.h"
#include "tools/ExportFileName.h"
#include "tools/SectionExportFormats.h"

#include <vector>

enum SectDomainControl {
    // Assign Domain Material
    ID_MATERIAL_COMBO = 1270,
    ID_MATERIAL_LIST_BUTTON = 1394,
    ID_MATERIAL_AS_BASE = 1121,
    // Export
    ID_EXPORT_FILE = 1349,
    ID_EXPORT_BROWSE = 1350,
    ID_EXPORT_KLX = 1351,
    ID_EXPORT_MERGE = 1121,
    ID_EXPORT_DEVIATION = 1398,
    ID_EXPORT_DEVIATION_LABEL = 1399,
    ID_EXPORT_UNIT_LABEL = 1400,
    // Pick: the criteria's check boxes and inputs, the combination
    ID_PICK_NAME = 1297,
    ID_PICK_NAME_COMBO = 1344,
    ID_PICK_TYPE = 1298,
    ID_PICK_TYPE_COMBO = 1311,
    ID_PICK_LOCATION = 1299,
    ID_PICK_LOCATION_COMBO = 1345,
    ID_PICK_UNION = 1307,
};

// The command the "..." button sends: the material list.
constexpr int CMD_SHOW_MATERIAL_LIST = 32812;

class CSToolChgDState : public CDialogForm {};
class CSToolQuery : public CDialogForm {};

// "Assign Domain Material": the model's materials ("None" first) and "Set as
// Base Material".
class CSToolChgDMaterial : public CDialogForm {
public:
    CSToolChgDMaterial();
    // Refills the combo from the model; no row is chosen afterwards. Without
    // materials the combo and the check box are disabled and keep their rows.
    void UpdateMaterialList();
    // The id of the chosen row (0 for "None"), -1 when none is chosen.
    int GetSelectedMaterialId() const;
    // True between the show and the hide of its dialog.
    bool IsShown() const { return shown_; }
    void SetShown(bool shown) { shown_ = shown; }

protected:
    void OnShow() override { UpdateMaterialList(); }
    void OnClick(int controlId) override;

private:
    std::vector<int> materialIds_;
    bool shown_ = false;
};

// "Export Section": the file, the format, and for the section file the merge
// flag and the deviation. A show or a format change forgets the chosen file.
class CSToolExport : public CDialogForm {
public:
    CSToolExport();
    int Format() const { return Choice(ID_EXPORT_KLX); }
    const std::string& ChosenPath() const { return file_.ChosenPath(); }
    // The file Apply writes: the chosen one, or the name typed over it with
    // the format's extension.
    ExportFile TargetFile() const;

protected:
    void OnShow() override;
    void OnClick(int controlId) override;

private:
    void OnFormatChanged();
    void OnBrowse();
    ExportFileField file_;
};

// A comparing criterion of Pick: check box, ">" / "<" radios, value field.
struct PickComparison {
    int check;
    int greater;
    int value;
};
constexpr int PICK_COMPARISON_COUNT = 5;
// Area, Ixx, Iyy, Ixy, J.
extern const PickComparison PICK_COMPARISONS[PICK_COMPARISON_COUNT];

// "Pick Section": eight criteria and their combination. The five values
// are kept across shows; the location rows stand for exact locations.
class CSToolPick : public CDialogForm {
public:
    CSToolPick();
    bool Intersection() const { return Choice(ID_PICK_UNION) == 1; }
    // The chosen name, empty when no row is chosen.
    std::string SelectedName() const;
    // The chosen location row; for a row of a location, its exact value.
    enum class LocationRow { None, NotAssigned, Location };
    LocationRow SelectedLocation(double& location) const;

protected:
    void OnShow() override;

private:
    std::vector<double> locations_;  // of rows 1...
};
