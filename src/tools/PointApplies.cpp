#include "tools/PointApplies.h"

#include "frame/SelectionReading.h"
#include "frame/ToolDocument.h"
#include "frame/ToolPageContext.h"
#include "model/SectModel.h"
#include "model/UserPorts.h"
#include "tools/PointForms.h"
#include "tools/TransformForm.h"
#include "view/ToolViewPort.h"

#include <algorithm>
#include <optional>

namespace {

struct ApplyPorts {
    IToolView& view;
    IToolDocument& document;
    IMessageBoxPort& boxes;
};

std::optional<ApplyPorts> PortsOf(ToolPageContext& context)
{
    if (!context.view || !context.document || !context.boxes)
        return std::nullopt;
    return ApplyPorts{*context.view, *context.document, *context.boxes};
}

// Clears the selection when the apply ends, however it ends.
class ClearSelectionAtEnd {
public:
    explicit ClearSelectionAtEnd(IToolView& view) : view_(view) {}
    ClearSelectionAtEnd(const ClearSelectionAtEnd&) = delete;
    ClearSelectionAtEnd& operator=(const ClearSelectionAtEnd&) = delete;
    ~ClearSelectionAtEnd() { ClearSelectionAndRedraw(view_); }

private:
    IToolView& view_;
};

void Inform(IMessageBoxPort& boxes, const char* text)
{
    boxes.ShowMessage(BoxKind::Information, text);
}

// The point ids among the keys, ascending.
std::vector<int> PointIdsOf(const std::set<int>& keys)
{
    std::vector<int> ids;
    for (int key : keys) {
        if (KindOfKey(key) == KIND_POINT)
            ids.push_back(IdOfKey(key));
    }
    return ids;
}

bool IsShown(const IToolView& view, int pointId)
{
    const int key = PointKey(pointId);
    return key != 0 && view.ActiveKeys(KIND_POINT).count(key) > 0;
}

// The run the selection applies share: the selection is cleared however the
// apply ends; readForm runs first (false ends the apply), then the selected
// ids of the kind are read and act runs on them when there are any.
template <class ReadForm, class Act>
void ApplyToSelected(ToolPageContext& context, SceneKind kind, ReadForm readForm, Act act)
{
    const std::optional<ApplyPorts> ports = PortsOf(context);
    if (!ports)
        return;
    const ClearSelectionAtEnd clear(ports->view);
    if (!readForm())
        return;
    const std::vector<int> ids = ReadSelectedIds(ports->view, kind, ports->boxes);
    if (!ids.empty())
        act(*ports, ids);
}

template <class Form, class Act>
void ApplyFormToSelected(Form& form, ToolPageContext& context, SceneKind kind, Act act)
{
    ApplyToSelected(context, kind, [&form] { return form.ReadFields(); }, act);
}

void SortUnique(std::vector<int>& ids)
{
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
}

}  // namespace

void ApplyCoordinatePoint(CPToolCoordDlg& form, ToolPageContext& context)
{
    const std::optional<ApplyPorts> ports = PortsOf(context);
    PlanePoint xy{};
    if (!ports || !form.ReadFields() || !form.GetCoordinate(xy))
        return;
    ports->document.CreatePointByCoordinate(xy.data());
}

void ApplyRatioOnCurve(CPToolRatioCurve& form, ToolPageContext& context)
{
    ApplyFormToSelected(form, context, KIND_CURVE, [&form](const ApplyPorts& ports, const std::vector<int>& curves) {
        ports.document.CreatePointsOnCurvesByRatio(curves, form.Ratio(), form.SplitCurve());
    });
}

void ApplyInterpOnCurve(CPToolInterpCurve& form, ToolPageContext& context)
{
    ApplyFormToSelected(form, context, KIND_CURVE, [&form](const ApplyPorts& ports, const std::vector<int>& curves) {
        ports.document.CreatePointsOnCurvesByInterpolation(curves, form.NumberOfPoints(), form.Spacing(),
                                                           form.SplitCurve());
    });
}

void ApplyRatioBetweenPoints(CPToolRatioPoint& form, ToolPageContext& context)
{
    const std::optional<ApplyPorts> ports = PortsOf(context);
    if (!ports || !form.ReadFields())
        return;
    if (form.StartPointId() != 0 && form.EndPointId() != 0)
        ports->document.CreatePointBetweenPointsByRatio(form.StartPointId(), form.EndPointId(), form.Ratio());
    else
        Inform(ports->boxes, "No point is selected.");
}

void ApplyInterpBetweenPoints(CPToolInterpPoint& form, ToolPageContext& context)
{
    ApplyFormToSelected(form, context, KIND_POINT, [&form](const ApplyPorts& ports, const std::vector<int>& points) {
        if (points.size() != 2)
            Inform(ports.boxes, "Select just two target points.");
        else
            ports.document.CreatePointsBetweenPointsByInterpolation(points[0], points[1], form.NumberOfPoints(),
                                                                    form.Spacing());
    });
}

void ApplyTranslatePoint(CTransformForm& form, ToolPageContext& context)
{
    ApplyFormToSelected(form, context, KIND_POINT, [&form](const ApplyPorts& ports, const std::vector<int>& points) {
        double dx = 0.0;
        double dy = 0.0;
        if (!form.GetDelta(dx, dy))
            return;
        if (!form.IsCopy()) {
            ports.document.TranslatePoints(points, dx, dy);
            return;
        }
        const bool connect = form.ConnectByLine();
        ports.document.CopyPointsByTranslation(points, dx, dy, form.Times(), connect,
                                               connect ? form.AlignmentCode() : 0, connect ? form.Width() : 0.0);
    });
}

void ApplyRotatePoint(CTransformForm& form, ToolPageContext& context)
{
    ApplyFormToSelected(form, context, KIND_POINT, [&form](const ApplyPorts& ports, const std::vector<int>& points) {
        PlanePoint origin{};
        if (!form.GetOrigin(origin))
            return;
        if (form.IsCopy())
            ports.document.CopyPointsByRotation(points, origin.data(), form.Angle(), form.Times(),
                                                form.ConnectByLine(), form.AlignmentCode(), form.Width());
        else
            ports.document.RotatePoints(points, origin.data(), form.Angle());
    });
}

void ApplyMirrorPoint(CTransformForm& form, ToolPageContext& context)
{
    ApplyFormToSelected(form, context, KIND_POINT, [&form](const ApplyPorts& ports, const std::vector<int>& points) {
        PlanePoint point1{};
        PlanePoint point2{};
        if (!form.GetMirrorLine(point1, point2))
            return;
        if (form.IsCopy())
            ports.document.CopyPointsByMirroring(points, point1.data(), point2.data(), form.ConnectByLine(),
                                                 form.AlignmentCode(), form.Width());
        else
            ports.document.MirrorPoints(points, point1.data(), point2.data());
    });
}

void ApplyEqualizePoint(CPToolEqualize& form, ToolPageContext& context)
{
    const std::optional<ApplyPorts> ports = PortsOf(context);
    if (!ports)
        return;
    const ClearSelectionAtEnd clear(ports->view);
    if (!form.ReadFields())
        return;
    const std::vector<int> points = form.AllShownPoints() ? PointIdsOf(ports->view.ActiveKeys(KIND_POINT))
                                                          : PointIdsOf(ports->view.SelectedKeys(KIND_POINT));
    if (points.empty()) {
        Inform(ports->boxes, "No point is selected.");
        return;
    }
    PlanePoint at{0.0, 0.0};
    if (form.AllShownPoints()) {
        ports->document.EqualizePointsInTolerance(points, form.AllTolerance(), false, at.data(),
                                                  form.DeleteRedundancies());
        return;
    }
    const bool atCoordinate = form.AtCoordinate();
    if (atCoordinate && !form.GetCoordinate(at))
        return;
    if (form.BySnowball())
        ports->document.EqualizePointsInTolerance(points, form.GroupTolerance(), atCoordinate, at.data(),
                                                  form.DeleteRedundancies());
    else
        ports->document.EqualizePoints(points, atCoordinate, at.data(), form.DeleteRedundancies());
}

void ApplyDeletePoint(ToolPageContext& context)
{
    const auto noForm = [] { return true; };
    ApplyToSelected(context, KIND_POINT, noForm, [](const ApplyPorts& ports, const std::vector<int>& points) {
        ports.document.DeletePoints(points);
    });
}

void ApplyPickPoint(CPToolPick& form, ToolPageContext& context)
{
    const std::optional<ApplyPorts> ports = PortsOf(context);
    if (!ports)
        return;
    ClearSelectionAndRedraw(ports->view);
    IToolDocument& document = ports->document;
    bool first = true;
    std::vector<int> result;
    const auto combine = [&](std::vector<int> ids) {
        SortUnique(ids);
        if (!form.Intersection()) {
            result.insert(result.end(), ids.begin(), ids.end());
            SortUnique(result);
        } else if (first) {
            result = std::move(ids);
        } else {
            std::erase_if(result, [&ids](int id) { return !std::binary_search(ids.begin(), ids.end(), id); });
        }
        first = false;
    };
    if (form.Checked(ID_PICK_BY_ID)) {
        std::vector<int> typed;
        if (!form.GetIdList(typed))
            typed.clear();
        std::erase_if(typed, [&ports](int id) { return !IsShown(ports->view, id); });
        combine(std::move(typed));
    }
    if (form.Checked(ID_PICK_BY_CENTROID)) {
        std::vector<int> sections;
        if (form.GetCentroidSectionId() == 0) {
            if (const CSectModel* model = document.GetModel()) {
                for (const auto& [id, section] : model->m_sections) {
                    if (section->propertiesCalculated)
                        sections.push_back(id);
                }
            }
        } else {
            sections.push_back(form.GetCentroidSectionId());
        }
        std::vector<int> ids;
        document.PickCentroidPointsOfSections(sections, &ids);
        combine(std::move(ids));
    }
    const struct {
        int checkId;
        void (IToolDocument::*pick)(int, std::vector<int>*);
        int (CPToolPick::*chosen)() const;
    } byObject[] = {
        {ID_PICK_BY_CURVE, &IToolDocument::PickPointsOfCurve, &CPToolPick::GetCurveId},
        {ID_PICK_BY_LOOP, &IToolDocument::PickPointsOfClosedLoop, &CPToolPick::GetClosedLoopId},
        {ID_PICK_BY_SECTION, &IToolDocument::PickPointsOfSection, &CPToolPick::GetSectionId},
    };
    for (const auto& criterion : byObject) {
        if (!form.Checked(criterion.checkId))
            continue;
        std::vector<int> ids;
        (document.*criterion.pick)((form.*criterion.chosen)(), &ids);
        combine(std::move(ids));
    }
    for (int id : result) {
        if (IsShown(ports->view, id))
            ports->view.SelectKeyAsClick(PointKey(id));
    }
    ports->view.RedrawScene();
}

void ApplyQueryPoint(ToolPageContext& context)
{
    const std::optional<ApplyPorts> ports = PortsOf(context);
    if (!ports)
        return;
    const ClearSelectionAtEnd clear(ports->view);
    const std::vector<int> points = PointIdsOf(ports->view.SelectedKeys(KIND_POINT));
    if (points.size() == 1)
        ports->document.QueryPoint(points.front());
    else
        Inform(ports->boxes, "Select one object point.");
}
