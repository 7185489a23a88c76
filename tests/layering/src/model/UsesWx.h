#pragma once
#include <wx/string.h>
