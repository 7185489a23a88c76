#include "view/ViewLabels.h"

#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "view/LookupTexts.h"
#include "view/Scene.h"

#include <cstdlib>
#include <set>

namespace {

ViewLabel LabelAt(const CScene& scene, std::string text, const double global[2])
{
    double local[2];
    scene.ToCurrentUcs(global, local);
    ViewLabel label;
    label.text = std::move(text);
    label.x = local[0];
    label.y = local[1];
    return label;
}

// The mean of the points; false when none of them exists (no position).
bool MeanOfPoints(const CSectModel& model, const std::set<int>& pointIds, CScene* reportTo, double mean[2])
{
    double sum[2] = {0.0, 0.0};
    int count = 0;
    for (int pointId : pointIds) {
        const T_POINT_D* point = model.FindPoint(pointId);
        if (!point) {
            if (reportTo)
                reportTo->ReportLookupProblem(MissingEntityText(KIND_POINT, pointId));
            continue;
        }
        sum[0] += point->xy[0];
        sum[1] += point->xy[1];
        ++count;
    }
    if (count == 0)
        return false;
    mean[0] = sum[0] / count;
    mean[1] = sum[1] / count;
    return true;
}

// Runs addLabel(model, key, labels) over the kind's shown entities in key
// order; no labels without a model.
template <class AddLabel>
std::vector<ViewLabel> LabelsOfShown(CScene& scene, SceneKind kind, AddLabel addLabel)
{
    std::vector<ViewLabel> labels;
    if (const CSectModel* model = scene.Model()) {
        for (int key : scene.m_active[kind])
            addLabel(*model, key, labels);
    }
    return labels;
}

using Labels = std::vector<ViewLabel>;

}  // namespace

std::vector<ViewLabel> PointLabels(CScene& scene)
{
    return LabelsOfShown(scene, KIND_POINT, [&](const CSectModel& model, int key, Labels& labels) {
        if (const T_POINT_D* point = model.FindPoint(IdOfKey(key)))
            labels.push_back(LabelAt(scene, FormatText("P:%d", point->id), point->xy));
    });
}

std::vector<ViewLabel> CurveLabels(CScene& scene)
{
    return LabelsOfShown(scene, KIND_CURVE, [&](const CSectModel& model, int key, Labels& labels) {
        const T_CURVE_D* curve = model.FindCurve(IdOfKey(key));
        if (!curve) {
            scene.ReportLookupProblem(MissingEntityText(KIND_CURVE, IdOfKey(key)));
            return;
        }
        if (curve->pointIds.size() < 2)
            return;
        const int firstId = curve->pointIds[0];
        const int secondId = curve->pointIds[1];
        const T_POINT_D* first = model.FindPoint(firstId);
        const T_POINT_D* second = model.FindPoint(secondId);
        if (!first || !second) {
            scene.ReportLookupProblem(MissingEntityText(KIND_POINT, first ? secondId : firstId));
            return;
        }
        double firstLocal[2];
        double secondLocal[2];
        scene.ToCurrentUcs(first->xy, firstLocal);
        scene.ToCurrentUcs(second->xy, secondLocal);
        ViewLabel label;
        label.text = FormatText("C:%d", curve->id);
        label.x = (firstLocal[0] + secondLocal[0]) * 0.5;
        label.y = (firstLocal[1] + secondLocal[1]) * 0.5;
        labels.push_back(label);
    });
}

std::vector<ViewLabel> ClosedLoopLabels(CScene& scene)
{
    return LabelsOfShown(scene, KIND_CLOSED_LOOP, [&](const CSectModel& model, int key, Labels& labels) {
        const T_LOOP_D* loop = model.FindClosedLoop(IdOfKey(key));
        if (!loop) {
            scene.ReportLookupProblem(MissingEntityText(KIND_CLOSED_LOOP, IdOfKey(key)));
            return;
        }
        std::set<int> pointIds;
        for (int signedId : loop->curveIds) {
            const T_CURVE_D* curve = model.FindCurve(std::abs(signedId));
            if (!curve) {
                scene.ReportLookupProblem(MissingEntityText(KIND_CURVE, std::abs(signedId)));
                continue;
            }
            pointIds.insert(curve->pointIds.begin(), curve->pointIds.end());
        }
        // The mean of the global points, converted, is the mean of the
        // converted points: the UCS map is affine.
        double mean[2];
        if (MeanOfPoints(model, pointIds, &scene, mean))
            labels.push_back(LabelAt(scene, FormatText("CL:%d", loop->id), mean));
    });
}

std::vector<ViewLabel> SectionNameLabels(CScene& scene)
{
    return LabelsOfShown(scene, KIND_SECTION, [&](const CSectModel& model, int key, Labels& labels) {
        const T_SECTION_D* section = model.FindSection(IdOfKey(key));
        if (!section)
            return;
        std::set<int> pointIds;
        for (int curveId : section->curveIds) {
            if (const T_CURVE_D* curve = model.FindCurve(curveId))
                pointIds.insert(curve->pointIds.begin(), curve->pointIds.end());
        }
        double mean[2];
        if (!MeanOfPoints(model, pointIds, nullptr, mean))
            return;
        ViewLabel label = LabelAt(scene, section->name, mean);
        label.bold = true;
        labels.push_back(label);
    });
}

namespace {

// Where a domain's material label stands: the centroid of its first facet
// whose three corners exist. False when there is none.
bool DomainLabelPosition(const T_SECTION_D& section, int domainId, double centroid[2])
{
    for (const auto& entry : section.facets) {
        const T_FACET_D& facet = *entry.second;
        if (facet.domainId != domainId)
            continue;
        const T_POINT_D* corners[3];
        for (int i = 0; i < 3; ++i)
            corners[i] = section.FindPoint(facet.pointIds[i]);
        if (!corners[0] || !corners[1] || !corners[2])
            continue;
        for (int axis = 0; axis < 2; ++axis)
            centroid[axis] = (corners[0]->xy[axis] + corners[1]->xy[axis] + corners[2]->xy[axis]) / 3.0;
        return true;
    }
    return false;
}

}  // namespace

std::vector<ViewLabel> MaterialLabels(CScene& scene)
{
    return LabelsOfShown(scene, KIND_SECTION, [&](const CSectModel& model, int key, Labels& labels) {
        const T_SECTION_D* section = model.FindSection(IdOfKey(key));
        if (!section)
            return;
        const int baseMaterialId =
            section->propertiesCalculated ? section->baseMaterialId : section->assignedBaseMaterialId;
        for (const auto& [domainId, domain] : section->domains) {
            double centroid[2];
            // A domain without a whole facet has no place for its label.
            if (!domain->used || domain->materialId == 0 || !DomainLabelPosition(*section, domainId, centroid))
                continue;
            std::string text;
            if (const T_MATERIAL_D* material = model.FindMaterial(domain->materialId)) {
                text = FormatText("M:(%d)%s", material->id, material->name.c_str());
                if (material->id == baseMaterialId)
                    text += "-\"Base Material\"";
            } else {
                text = FormatText("M:(%d)NOT-DEFINED", domain->materialId);
            }
            ViewLabel label = LabelAt(scene, text, centroid);
            label.font = LABEL_FONT_MATERIAL;
            labels.push_back(label);
        }
    });
}

std::vector<ViewLabel> PropertyLabels(CScene& scene, const PropertyLabelSwitches& switches)
{
    static const struct {
        const char* format;
        SectionResult result;
    } lines[PROPERTY_LABEL_COUNT] = {
        {"Area: %g", RESULT_A},  {"Asx: %g", RESULT_ASX}, {"Asy: %g", RESULT_ASY}, {"Ixx: %g", RESULT_IXX},
        {"Iyy: %g", RESULT_IYY}, {"Ixy: %g", RESULT_IXY}, {"J: %g", RESULT_J},
    };
    return LabelsOfShown(scene, KIND_SECTION, [&](const CSectModel& model, int key, Labels& labels) {
        const T_SECTION_D* section = model.FindSection(IdOfKey(key));
        if (!section || !section->propertiesCalculated)
            return;
        const T_POINT_D* centroid = model.FindPoint(section->centroidPointId);
        if (!centroid)
            return;
        for (int i = 0; i < PROPERTY_LABEL_COUNT; ++i) {
            if (!switches.show[i])
                continue;
            ViewLabel label = LabelAt(scene, FormatText(lines[i].format, ShownResult(*section, lines[i].result)),
                                      centroid->xy);
            label.stacked = true;
            labels.push_back(label);
        }
    });
}
