#include "tools/CurvePickDialogs.h"

#include "frame/ToolDocument.h"
#include "frame/ToolPageContext.h"
#include "model/UserPorts.h"
#include "view/ToolViewPort.h"

#include <algorithm>
#include <set>

namespace {

// Each check box with the input it switches, in the order the criteria run.
constexpr std::pair<int, int> CRITERIA[] = {{PICK_BY_ID, PICK_ID_TEXT},
                                            {PICK_BY_WIDTH, PICK_WIDTH},
                                            {PICK_BY_ALIGNMENT, PICK_ALIGNMENT},
                                            {PICK_BY_CLOSED_LOOP, PICK_CLOSED_LOOP},
                                            {PICK_BY_SECTION, PICK_SECTION}};

int ParallelId(const std::vector<int>& ids, int row)
{
    return row >= 0 && static_cast<size_t>(row) < ids.size() ? ids[static_cast<size_t>(row)] : -1;
}

// The ids in their first order, each once.
std::vector<int> WithoutRepeats(const std::vector<int>& ids)
{
    std::vector<int> once;
    std::set<int> seen;
    for (int id : ids) {
        if (seen.insert(id).second)
            once.push_back(id);
    }
    return once;
}

}  // namespace

CCToolPick::CCToolPick()
{
    AddText(PICK_ID_TEXT, "");
    AddReal(PICK_WIDTH, 0.0);
    CheckBox(PICK_BY_ID, "ID");
    Edit(PICK_ID_TEXT);
    CheckBox(PICK_BY_WIDTH, "Width");
    Edit(PICK_WIDTH);
    CheckBox(PICK_BY_ALIGNMENT, "Alignment");
    ListCombo(PICK_ALIGNMENT);
    CheckBox(PICK_BY_CLOSED_LOOP, "Closed Loop");
    ListCombo(PICK_CLOSED_LOOP);
    CheckBox(PICK_BY_SECTION, "Section");
    ListCombo(PICK_SECTION);
    BeginGroup("");
    Radios({{PICK_UNION, "Union"}, {1308, "Intersection"}});
    EndGroup();
    SetComboRows(PICK_ALIGNMENT, {"Center", "Left", "Right"});
    for (const auto& [check, input] : CRITERIA)
        SwitchWithCheck(check, {input});
}

const CSectModel* CCToolPick::OpenModel() const
{
    return Context() && Context()->document ? Context()->document->GetModel() : nullptr;
}

int CCToolPick::GetClosedLoopId() const
{
    return ParallelId(loopIds_, SelectedRow(PICK_CLOSED_LOOP));
}

int CCToolPick::GetSectionId() const
{
    return ParallelId(sectionIds_, SelectedRow(PICK_SECTION));
}

void CCToolPick::FillClosedLoopCombo()
{
    loopIds_.clear();
    std::vector<std::string> rows;
    if (const CSectModel* model = OpenModel()) {
        for (const auto& [id, loop] : model->m_closedLoops) {
            rows.push_back(std::to_string(id));
            loopIds_.push_back(id);
        }
    }
    SetComboRows(PICK_CLOSED_LOOP, std::move(rows));
    EnableControls({PICK_BY_CLOSED_LOOP}, !loopIds_.empty());
}

void CCToolPick::FillSectionCombo()
{
    sectionIds_.clear();
    std::vector<std::string> rows;
    if (const CSectModel* model = OpenModel()) {
        for (const auto& [id, section] : model->m_sections) {
            rows.push_back(section->name);
            sectionIds_.push_back(id);
        }
    }
    SetComboRows(PICK_SECTION, std::move(rows));
    EnableControls({PICK_BY_SECTION}, !sectionIds_.empty());
}

void CCToolPick::OnShow()
{
    SetChoice(PICK_UNION, PICK_COMBINE_UNION);
    const CSectModel* model = OpenModel();
    EnableControls({PICK_BY_ID, PICK_BY_WIDTH, PICK_BY_ALIGNMENT}, model && !model->m_curves.empty());
    FillClosedLoopCombo();
    FillSectionCombo();
    for (const auto& [check, input] : CRITERIA)
        SetChecked(check, false);
}

std::vector<int> CCToolPick::Candidates(int checkId, ToolPageContext& context)
{
    std::vector<int> ids;
    IToolDocument& document = *context.document;
    switch (checkId) {
    case PICK_BY_ID: {
        std::vector<int> typed;
        GetIdList(PICK_ID_TEXT, typed);
        const std::set<int>& active = context.view->ActiveKeys(KIND_CURVE);
        for (int id : typed) {
            if (active.count(CurveKey(id)) > 0)
                ids.push_back(id);
        }
        break;
    }
    case PICK_BY_WIDTH:
        document.PickCurvesByWidth(Field(PICK_WIDTH)->real, &ids);
        break;
    case PICK_BY_ALIGNMENT:
        document.PickCurvesByAlignment(SelectedRow(PICK_ALIGNMENT) + 1, &ids);
        break;
    case PICK_BY_CLOSED_LOOP:
        document.PickCurvesOfClosedLoop(GetClosedLoopId(), &ids);
        break;
    case PICK_BY_SECTION:
        document.PickCurvesOfSection(GetSectionId(), &ids);
        break;
    default:
        break;
    }
    return ids;
}

void CCToolPick::Apply(ToolPageContext& context)
{
    if (!context.view || !context.document || !ReadReal(PICK_WIDTH))
        return;
    ClearSelectionAndRedraw(*context.view);
    const bool intersect = Choice(PICK_UNION) == PICK_COMBINE_INTERSECTION;
    std::vector<int> united;
    std::vector<int> intersected;
    bool firstCriterion = true;
    for (const auto& [check, input] : CRITERIA) {
        if (!Checked(check))
            continue;
        const std::vector<int> candidates = Candidates(check, context);
        if (!intersect) {
            united.insert(united.end(), candidates.begin(), candidates.end());
        } else if (firstCriterion) {
            intersected = candidates;
            firstCriterion = false;
        } else {
            std::erase_if(intersected, [&candidates](int id) {
                return std::find(candidates.begin(), candidates.end(), id) == candidates.end();
            });
        }
    }
    std::vector<int> result;
    if (intersect) {
        result = WithoutRepeats(intersected);
    } else {
        std::sort(united.begin(), united.end());
        united.erase(std::unique(united.begin(), united.end()), united.end());
        result = united;
    }
    const std::set<int>& active = context.view->ActiveKeys(KIND_CURVE);
    for (int id : result) {
        const int key = CurveKey(id);
        if (active.count(key) > 0)
            context.view->SelectKeyAsClick(key);
    }
    context.view->RedrawScene();
}

void CCToolQuery::Apply(ToolPageContext& context)
{
    if (!context.view)
        return;
    const std::set<int>& selected = context.view->SelectedKeys(KIND_CURVE);
    if (selected.size() == 1) {
        if (context.document)
            context.document->QueryCurve(IdOfKey(*selected.begin()));
    } else if (context.boxes) {
        context.boxes->ShowMessage(BoxKind::Information, "Select one object curve.");
    }
    ClearSelectionAndRedraw(*context.view);
}
