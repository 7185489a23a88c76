#pragma once
// What the material dialogs decide, without a window. MaterialItemForm is
// one material being added or modified, checked before it is taken;
// MaterialListForm is the list of the model's materials with its Add,
// Modify and Delete, which go through the document and refill the list.

#include "frame/ExtListCtrl.h"

#include <functional>
#include <optional>
#include <string>

class CSectModel;
class IMessageBoxPort;
class IToolDocument;

enum MaterialItemControl {
    ID_MATERIAL_RATIO = 1123,
    ID_MATERIAL_NAME = 1124,
    ID_MATERIAL_ID = 1125,
    ID_MATERIAL_MODULUS = 1202,
};

// The texts of the item dialog's fields.
struct MaterialItemFields {
    std::string id;
    std::string name;
    std::string elasticModulus;
    std::string poissonRatio;
};

class MaterialItemForm {
public:
    // Modify mode with this material; the id stays as it is.
    void SetMaterial(int id, const std::string& name, double elasticModulus, double poissonRatio);
    bool ModifyMode() const { return modifyMode_; }

    // The fields as the dialog opens: in add mode the smallest id from 1
    // that no material of the model has, an empty name, E and ratio 0.
    MaterialItemFields InitialFields(const CSectModel& model) const;

    // OK: reads the fields, then checks the id (add mode only), the name, E
    // and the ratio in that order. The first refusal is told to the user and
    // its control returned, with the values kept as they were.
    std::optional<int> Accept(const MaterialItemFields& fields, const CSectModel& model, IMessageBoxPort& boxes);

    int id = 0;
    std::string name;
    double elasticModulus = 0.0;
    double poissonRatio = 0.0;

private:
    bool modifyMode_ = false;
};

class MaterialListForm {
public:
    // Runs the item dialog modally over the form; true on OK.
    using ItemDialog = std::function<bool(MaterialItemForm& item)>;

    // redrawViewNow draws the active view at once.
    MaterialListForm(IToolDocument& document, IMessageBoxPort& boxes, ItemDialog itemDialog,
                     std::function<void()> redrawViewNow);

    // Columns "ID" and "Name", then a row per material in ascending id
    // order; no row selected.
    void Fill();
    void Add();
    // Also a double click on a row.
    void Modify();
    // The row at the same position is selected afterwards, or the one
    // before when that was the last.
    void Delete();

    CExtListCtrl& List() { return list_; }
    // The selected row, -1 for none.
    int SelectedRow() const { return selectedRow_; }
    void SelectRow(int row) { selectedRow_ = row; }

private:
    // The selected row's material id; empty after "No material is selected.".
    std::optional<int> SelectedMaterial();

    IToolDocument& document_;
    IMessageBoxPort& boxes_;
    ItemDialog itemDialog_;
    std::function<void()> redrawViewNow_;
    CExtListCtrl list_;
    int selectedRow_ = -1;
};
