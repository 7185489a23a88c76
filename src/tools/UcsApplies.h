#pragma once
// The UCS page's applies. Nothing chosen, or a UCS the model no longer
// holds, stops an apply silently; an input that does not read stops it after
// its box. The document's answer is not looked at: the model reports its own
// refusals. Redefining or deleting the work UCS rebuilds the view at once,
// so its axes and coordinates follow.

struct ToolPageContext;
class CUToolChange;
class CUToolCreate;
class CUToolRedefine;
class CUToolDelete;

void ApplySetWorkUcs(CUToolChange& form, ToolPageContext& context);
void ApplyCreateUcs(CUToolCreate& form, ToolPageContext& context);
// The list is not refilled: a new name shows from the next show on.
void ApplyRedefineUcs(CUToolRedefine& form, ToolPageContext& context);
void ApplyDeleteUcs(CUToolDelete& form, ToolPageContext& context);
