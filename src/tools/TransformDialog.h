#pragma once
// The window of a transform dialog (TransformForm.h), laid out from its
// controls: the mode, the method or axis with their inputs (or Rotate's
// origin and angle), then the copy option.

#include "tools/DialogForm.h"

#include <vector>

struct TransformControls;

std::vector<DialogItem> TransformDialogItems(const TransformControls& controls);
