#pragma once
// The Group page's applies. Missing input stops an apply silently (no name,
// no group chosen) or with its box; otherwise each calls the document and
// then refreshes the lists, whatever the document answered: the model
// reports its own refusals. The toolbar group combos follow every change of
// the group list.

struct ToolPageContext;
class CGToolCreate;
class CGToolRename;
class CGToolDelete;
class CGToolMerge;
class CGToolExport;
class CGToolQuery;
class CGToolAdd;
class CGToolExpel;

void ApplyCreateGroup(CGToolCreate& form, ToolPageContext& context);
void ApplyRenameGroup(CGToolRename& form, ToolPageContext& context);
void ApplyDeleteGroup(CGToolDelete& form, ToolPageContext& context);
// The toolbar combos are refilled only when the "From" group is deleted.
void ApplyMergeGroup(CGToolMerge& form, ToolPageContext& context);
// Uses only the path chosen with "...".
void ApplyExportGroup(CGToolExport& form, ToolPageContext& context);
void ApplyQueryGroup(CGToolQuery& form, ToolPageContext& context);
// The selected sections, curves and points (domains and closed loops never
// count); with none, "No entity is selected.". Both end with the selection
// cleared and the view redrawn. A name that named no group makes the model
// create it, so the toolbar combos are refilled then.
void ApplyAddToGroup(CGToolAdd& form, ToolPageContext& context);
void ApplyExpelFromGroup(CGToolExpel& form, ToolPageContext& context);
