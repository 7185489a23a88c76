#pragma once
// Whether a bar layout read from the settings can be handed to the bar
// manager: only a layout of the shape the manager itself writes ("layout2",
// then one part per pane with all its fields and one per dock), naming every
// pane of the frame (the manager hides those it does not name), with every
// number within reach of a screen and no pane state that the frame never
// gives. Anything else, a hand-edited or damaged value, could stop the
// program in the manager (an assertion on an unknown field, loops over
// absurd layer and row numbers) or leave it without its bars, so the frame
// keeps its default layout. Panes the frame does not have are the manager's
// to skip.

#include <set>
#include <string>
#include <string_view>

bool IsUsableBarLayout(std::string_view layout, const std::set<std::string>& paneNames);
