#pragma once
// How an apply reads the view's selection: the selected keys of one kind in
// ascending order, each less its kind's base.

#include "view/EntityKeys.h"

#include <vector>

class IToolView;
class IMessageBoxPort;

// The ids of the selected entities of the kind, ascending; no box.
std::vector<int> SelectedIds(const IToolView& view, SceneKind kind);

// The ids of the selected points, curves, sections or closed loops. With
// none selected the kind's information box ("No point is selected.", ...) is
// shown and the list is empty.
std::vector<int> ReadSelectedIds(const IToolView& view, SceneKind kind, IMessageBoxPort& boxes);
