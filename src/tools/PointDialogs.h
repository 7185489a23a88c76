#pragma once
// The windows of the Point page's dialogs: what each shows, top to bottom,
// laid out by CDialogFormPanel over the dialog's form. The transform
// dialogs' windows are TransformDialog.h's.

#include "tools/DialogForm.h"

#include <vector>

std::vector<DialogItem> CoordinateDialogItems();
std::vector<DialogItem> RatioOnCurveDialogItems();
std::vector<DialogItem> InterpOnCurveDialogItems();
std::vector<DialogItem> RatioBetweenPointsDialogItems();
std::vector<DialogItem> InterpBetweenPointsDialogItems();
std::vector<DialogItem> EqualizeDialogItems();
std::vector<DialogItem> PickDialogItems();
// Delete and Query show nothing.
std::vector<DialogItem> EmptyDialogItems();
