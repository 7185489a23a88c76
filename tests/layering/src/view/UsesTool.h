#pragma once
#include <tools/ToolRegistration.h>
