#include "frame/ResultCommands.h"

#include "model/SectModel.h"
#include "model/UserPorts.h"

#include <algorithm>

void RunPropertyList(const CSectModel& model, IMessageBoxPort& boxes, const ToolCommandHandler& resultList,
                     const ToolCommandContext& context)
{
    if (model.m_sections.empty()) {
        boxes.ShowMessage(BoxKind::Information, "No section exists.");
        return;
    }
    const bool anyCalculated = std::any_of(model.m_sections.begin(), model.m_sections.end(),
                                           [](const auto& entry) { return entry.second->propertiesCalculated; });
    if (!anyCalculated) {
        boxes.ShowMessage(BoxKind::Information, "No section has the calculated properties.\n\n"
                                                "Calculate the sectional properties using [Properties]-[Calculate].");
        return;
    }
    if (resultList)
        resultList(context);
}

void RunMaterialList(const ToolCommandHandler& materialList, const ToolCommandContext& context)
{
    if (materialList)
        materialList(context);
}
