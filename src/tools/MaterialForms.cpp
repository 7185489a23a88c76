#include "tools/MaterialForms.h"

#include "frame/DialogNumbers.h"
#include "frame/ToolDocument.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "model/UserPorts.h"

namespace {

// Values below this are taken for zero.
constexpr double SMALLEST_VALUE = 1e-6;

}  // namespace

void MaterialItemForm::SetMaterial(int materialId, const std::string& materialName, double modulus, double ratio)
{
    modifyMode_ = true;
    id = materialId;
    name = materialName;
    elasticModulus = modulus;
    poissonRatio = ratio;
}

MaterialItemFields MaterialItemForm::InitialFields(const CSectModel& model) const
{
    if (modifyMode_)
        return {IntegerFieldText(id), name, RealFieldText(elasticModulus), RealFieldText(poissonRatio)};
    int freeId = 1;
    while (model.FindMaterial(freeId))
        ++freeId;
    return {IntegerFieldText(freeId), std::string(), RealFieldText(0.0), RealFieldText(0.0)};
}

std::optional<int> MaterialItemForm::Accept(const MaterialItemFields& fields, const CSectModel& model,
                                            IMessageBoxPort& boxes)
{
    double modulus = 0.0;
    int typedId = id;
    double ratio = 0.0;
    if (!ReadRealField(fields.elasticModulus, modulus, boxes))
        return ID_MATERIAL_MODULUS;
    // In modify mode the id field is disabled: the material keeps its id.
    if (!modifyMode_ && !ReadIntegerField(fields.id, typedId, boxes))
        return ID_MATERIAL_ID;
    if (!ReadRealField(fields.poissonRatio, ratio, boxes))
        return ID_MATERIAL_RATIO;

    if (!modifyMode_ && model.FindMaterial(typedId)) {
        boxes.ShowMessage(BoxKind::Information, FormatText("Materia ID [%d] is already defined.", typedId));
        return ID_MATERIAL_ID;
    }
    if (fields.name.empty()) {
        boxes.ShowMessage(BoxKind::Information, "Material name is not defined.");
        return ID_MATERIAL_NAME;
    }
    if (modulus < SMALLEST_VALUE) {
        boxes.ShowMessage(BoxKind::Information, "Modulus of elasticity is invalid.\n\nIt should be greater than 0.");
        return ID_MATERIAL_MODULUS;
    }
    if (ratio < SMALLEST_VALUE || ratio > 0.5 - SMALLEST_VALUE) {
        boxes.ShowMessage(BoxKind::Information,
                          "Poisson's ratio is invalid.\n\nIt should be in the range of 0~0.5.");
        return ID_MATERIAL_RATIO;
    }
    id = typedId;
    name = fields.name;
    elasticModulus = modulus;
    poissonRatio = ratio;
    return std::nullopt;
}

MaterialListForm::MaterialListForm(IToolDocument& document, IMessageBoxPort& boxes, ItemDialog itemDialog,
                                   std::function<void()> redrawViewNow)
    : document_(document), boxes_(boxes), itemDialog_(std::move(itemDialog)), redrawViewNow_(std::move(redrawViewNow))
{
}

void MaterialListForm::Fill()
{
    // A material's row is its place among the model's materials by id.
    list_.ResetList([this](std::uint32_t itemData) {
        int row = 0;
        for (const auto& entry : document_.GetModel()->m_materials)
            row += entry.first < static_cast<int>(itemData);
        return row;
    });
    list_.AddColumn("ID", 40, 1);
    list_.AddColumn("Name", 217, 0);
    for (const auto& [materialId, material] : document_.GetModel()->m_materials)
        list_.AddRow(static_cast<std::uint32_t>(materialId), {IntegerFieldText(materialId), material->name});
    selectedRow_ = -1;
}

std::optional<int> MaterialListForm::SelectedMaterial()
{
    const std::vector<ExtListRow>& rows = list_.Rows();
    if (selectedRow_ < 0 || static_cast<size_t>(selectedRow_) >= rows.size()) {
        boxes_.ShowMessage(BoxKind::Information, "No material is selected.");
        return std::nullopt;
    }
    return static_cast<int>(rows[static_cast<size_t>(selectedRow_)].itemData);
}

void MaterialListForm::Add()
{
    MaterialItemForm item;
    if (!itemDialog_(item))
        return;
    document_.CreateMaterial(item.id, item.name, item.elasticModulus, item.poissonRatio);
    Fill();
}

void MaterialListForm::Modify()
{
    const std::optional<int> materialId = SelectedMaterial();
    if (!materialId)
        return;
    const T_MATERIAL_D* material = document_.GetModel()->FindMaterial(*materialId);
    if (!material)
        return;
    MaterialItemForm item;
    item.SetMaterial(material->id, material->name, material->elasticModulus, material->poissonRatio);
    if (!itemDialog_(item))
        return;
    document_.RedefineMaterial(item.id, item.name, item.elasticModulus, item.poissonRatio);
    redrawViewNow_();
    Fill();
}

void MaterialListForm::Delete()
{
    const std::optional<int> materialId = SelectedMaterial();
    if (!materialId)
        return;
    const int row = selectedRow_;
    document_.DeleteMaterial(*materialId);
    redrawViewNow_();
    Fill();
    const int rowCount = static_cast<int>(list_.Rows().size());
    selectedRow_ = row < rowCount ? row : rowCount - 1;
}
