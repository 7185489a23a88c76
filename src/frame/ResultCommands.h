#pragma once
// Property > List and the Material button: the frame's part before the tool
// hooks that show the result list and the material list.

#include "frame/ToolRegistry.h"

class CSectModel;
class IMessageBoxPort;

// With no section, or none with calculated properties, an information box
// says so; otherwise the result list hook runs.
void RunPropertyList(const CSectModel& model, IMessageBoxPort& boxes, const ToolCommandHandler& resultList,
                     const ToolCommandContext& context);
// The material list hook, when filled.
void RunMaterialList(const ToolCommandHandler& materialList, const ToolCommandContext& context);
