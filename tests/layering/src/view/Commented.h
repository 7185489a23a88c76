#pragma once
// The tools register through "tools/ToolRegistration.h".
#include "view/EntityKeys.h"
