#pragma once
// The windows of the Point page's dialogs: what each shows, top to bottom,
// laid out by CChoiceDialogPanel over the dialog's form. The transform
// dialogs' windows follow from their controls, for every page that has them.

#include "tools/ChoiceDialogPanel.h"

#include <vector>

struct TransformControls;

std::vector<DialogItem> CoordinateDialogItems();
std::vector<DialogItem> RatioOnCurveDialogItems();
std::vector<DialogItem> InterpOnCurveDialogItems();
std::vector<DialogItem> RatioBetweenPointsDialogItems();
std::vector<DialogItem> InterpBetweenPointsDialogItems();
std::vector<DialogItem> EqualizeDialogItems();
std::vector<DialogItem> PickDialogItems();
// Delete and Query show nothing.
std::vector<DialogItem> EmptyDialogItems();
std::vector<DialogItem> TransformDialogItems(const TransformControls& controls);
