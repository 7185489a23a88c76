#pragma once
#include "tools/GridSettingDlg.h"
