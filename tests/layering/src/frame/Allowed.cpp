#include "frame/ToolRegistry.h"
#include "view/ToolViewPort.h"
#include "model/SectModel.h"
#include <wx/panel.h>
