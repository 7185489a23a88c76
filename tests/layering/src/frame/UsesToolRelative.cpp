#include "frame/ToolRegistry.h"
  #  include "../tools/DxfImportCommand.h"
