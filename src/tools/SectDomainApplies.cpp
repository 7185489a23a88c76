// The applies of Change Domain State, Assign Domain Material, Export, Pick
// and Query.

#include "frame/SelectionReading.h"
#include "frame/ToolDocument.h"
#include "frame/ToolPageContext.h"
#include "frame/ViewCommandBindings.h"
#include "model/UserPorts.h"
#include "tools/SectTool.h"
#include "view/ToolViewPort.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr double MAX_EXPORT_DEVIATION = 30.0;

void Inform(ToolPageContext& context, const char* text)
{
    context.boxes->ShowMessage(BoxKind::Information, text);
}

void Send(ToolPageContext& context, int commandId)
{
    if (context.sendCommand)
        context.sendCommand(commandId);
}

// The id of the one selected section, or 0 unless exactly one is selected.
int OneSelectedSection(const IToolView& view)
{
    const std::set<int>& keys = view.SelectedKeys(KIND_SECTION);
    return keys.size() == 1 ? IdOfKey(*keys.begin()) : 0;
}

using SectionPick = void (IToolDocument::*)(double value, std::vector<int>* result);

// The Greater and Less picks of Area, Ixx, Iyy, Ixy and J.
constexpr std::pair<SectionPick, SectionPick> COMPARING_PICKS[PICK_COMPARISON_COUNT] = {
    {&IToolDocument::PickSectionsByAreaGreater, &IToolDocument::PickSectionsByAreaLess},
    {&IToolDocument::PickSectionsByIxxGreater, &IToolDocument::PickSectionsByIxxLess},
    {&IToolDocument::PickSectionsByIyyGreater, &IToolDocument::PickSectionsByIyyLess},
    {&IToolDocument::PickSectionsByIxyGreater, &IToolDocument::PickSectionsByIxyLess},
    {&IToolDocument::PickSectionsByJGreater, &IToolDocument::PickSectionsByJLess},
};

// What each checked criterion matches, in the fixed criterion order.
std::vector<std::vector<int>> CriterionMatches(const CSToolPick& form, IToolDocument& document,
                                               const std::set<int>& activeKeys)
{
    std::vector<std::vector<int>> matches;
    if (form.Checked(ID_PICK_NAME)) {
        std::vector<int> ids;
        document.PickSectionsByName(form.SelectedName(), &ids);
        std::erase_if(ids, [&](int id) { return !activeKeys.count(SectionKey(id)); });
        matches.push_back(ids);
    }
    if (form.Checked(ID_PICK_TYPE)) {
        std::vector<int> ids;
        document.PickSectionsByType(form.SelectedRow(ID_PICK_TYPE_COMBO) + 1, &ids);
        matches.push_back(ids);
    }
    if (form.Checked(ID_PICK_LOCATION)) {
        // No row chosen matches nothing, as with Name and Type.
        std::vector<int> ids;
        double location = 0.0;
        switch (form.SelectedLocation(location)) {
        case CSToolPick::LocationRow::None:
            break;
        case CSToolPick::LocationRow::NotAssigned:
            document.PickSectionsWithoutLocation(&ids);
            break;
        case CSToolPick::LocationRow::Location:
            document.PickSectionsByLocation(location, &ids);
            break;
        }
        matches.push_back(ids);
    }
    for (int i = 0; i < PICK_COMPARISON_COUNT; ++i) {
        const PickComparison& criterion = PICK_COMPARISONS[i];
        if (!form.Checked(criterion.check))
            continue;
        const bool greater = form.Choice(criterion.greater) == 0;
        const SectionPick pick = greater ? COMPARING_PICKS[i].first : COMPARING_PICKS[i].second;
        std::vector<int> ids;
        (document.*pick)(form.Field(criterion.value)->real, &ids);
        matches.push_back(ids);
    }
    return matches;
}

// Union: every id once, ascending. Intersection: the first criterion's ids
// that every later criterion also matches, in the first one's order.
std::vector<int> Combine(const std::vector<std::vector<int>>& matches, bool intersection)
{
    std::vector<int> result;
    for (size_t i = 0; i < matches.size(); ++i) {
        const std::vector<int>& ids = matches[i];
        if (!intersection)
            result.insert(result.end(), ids.begin(), ids.end());
        else if (i == 0)
            result = ids;
        else
            std::erase_if(result, [&](int id) { return std::find(ids.begin(), ids.end(), id) == ids.end(); });
    }
    if (!intersection) {
        std::sort(result.begin(), result.end());
        result.erase(std::unique(result.begin(), result.end()), result.end());
    }
    return result;
}

}  // namespace

void CSectTool::ApplyChangeDomainState(ToolPageContext& context)
{
    IToolView& view = *context.view;
    const int sectionId = OneSelectedSection(view);
    const CSectModel* model = context.document->GetModel();
    const T_SECTION_D* section = sectionId != 0 && model ? model->FindSection(sectionId) : nullptr;
    if (sectionId == 0) {
        Inform(context, "Select one object section.");
    } else if (section && section->type == SECTION_LINE) {
        Inform(context, "This operation can be applied only to the plane section.");
    } else if (section && section->domains.size() == 1) {
        Inform(context, "This section has only one domain.\n\nIf you desire not to use this section, delete it using "
                        "[Section]-[Delete].");
    } else if (section) {
        // The view asks about each domain in turn and stays modal until the
        // last answer, after this returns.
        Send(context, CMD_BEGIN_MODAL_INTERACTION);
        ClearSelectionAndRedraw(view);
        view.ChangeDomainState(sectionId);
        Send(context, CMD_END_MODAL_INTERACTION);
    }
    ClearSelectionAndRedraw(view);
}

void CSectTool::ApplyAssignDomainMaterial(ToolPageContext& context)
{
    IToolView& view = *context.view;
    const int materialId = material->GetSelectedMaterialId();
    if (materialId >= 0) {
        const std::set<int>& keys = view.SelectedKeys(KIND_DOMAIN);
        if (keys.empty()) {
            Inform(context, "No domain is selected.");
        } else {
            std::vector<std::pair<int, int>> pairs;
            for (int key : keys)
                pairs.emplace_back(SectionIdOfDomainKey(key), DomainIdOfDomainKey(key));
            context.document->AssignDomainMaterial(pairs, materialId, material->Checked(ID_MATERIAL_AS_BASE));
        }
    }
    ClearSelectionAndRedraw(view);
}

void CSectTool::ApplyExportSection(ToolPageContext& context)
{
    CSToolExport& form = *exporter;
    IToolView& view = *context.view;
    if (!form.ReadFields())
        return;
    const std::vector<int> ids = ReadSelectedIds(view, KIND_SECTION, *context.boxes);
    if (ids.empty()) {
        ClearSelectionAndRedraw(view);
        return;
    }
    const ExportFile file = form.TargetFile();
    if (file.path.empty()) {
        Inform(context, "File name is not designated.");
        return;
    }
    // Only the section file uses the deviation; other formats pass the held one.
    const double deviation = form.Field(ID_EXPORT_DEVIATION)->real;
    if (form.Format() == EXPORT_SECTION_FILE && (deviation < 0.0 || deviation > MAX_EXPORT_DEVIATION)) {
        Inform(context, "Angle deviation should be in the range of 0~30 [Deg].");
        return;
    }
    if (ConfirmExportFile(file, *context.boxes))
        context.document->ExportSections(ids, file.path, form.Format(), form.Checked(ID_EXPORT_MERGE), deviation);
    ClearSelectionAndRedraw(view);
}

void CSectTool::ApplyPickSection(ToolPageContext& context)
{
    IToolView& view = *context.view;
    const bool read = pick->ReadFields();
    ClearSelectionAndRedraw(view);
    if (!read)
        return;
    const std::set<int>& activeKeys = view.ActiveKeys(KIND_SECTION);
    const std::vector<int> result =
        Combine(CriterionMatches(*pick, *context.document, activeKeys), pick->Intersection());
    for (int id : result) {
        const int key = SectionKey(id);
        if (activeKeys.count(key))
            view.SelectKeyAsClick(key);
    }
    view.RedrawScene();
}

void CSectTool::ApplyQuerySection(ToolPageContext& context)
{
    IToolView& view = *context.view;
    if (const int sectionId = OneSelectedSection(view))
        context.document->QuerySection(sectionId);
    else
        Inform(context, "Select one section.");
    ClearSelectionAndRedraw(view);
}

void CSectTool::UpdateMaterialList()
{
    if (material->IsShown())
        material->UpdateMaterialList();
}
