// DXF export: sections, curves and points as a flat drawing that holds only an
// ENTITIES section of LINE, TEXT and POINT. The writer keeps which objects it
// has written, and the section extents it measures, in tables of its own: the
// model's work fields and stored extents are not touched, since the view reads
// them.

#include "io/ExportSelection.h"
#include "io/ExportText.h"
#include "model/Geometry.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "model/WidthBand.h"

#include <algorithm>
#include <map>

namespace {

// What the writer does with a listed point or curve.
enum class Mark { Skip, Write, Centroid };

// Characters that DXF symbol names may not hold.
const char* const kLayerNameBreakers = "<>/\\\":;?*|=`',";

std::string LayerName(const std::string& sectionName)
{
    return sectionName.empty() ? "0" : NameForRecord(sectionName, kLayerNameBreakers);
}

class DxfEntities {
public:
    explicit DxfEntities(ExportText& text) : text_(text) {}

    void Group(int code, const std::string& value)
    {
        text_.Line(std::to_string(code));
        text_.Line(value);
    }
    void Line(const std::string& layer, const double a[2], const double b[2])
    {
        Group(0, "LINE");
        Group(8, layer);
        Group(10, FormatCoordinate(a[0]));
        Group(20, FormatCoordinate(a[1]));
        Group(11, FormatCoordinate(b[0]));
        Group(21, FormatCoordinate(b[1]));
    }
    void Text(const std::string& layer, const double at[2], double height, const std::string& text)
    {
        Group(0, "TEXT");
        Group(8, layer);
        Group(10, FormatCoordinate(at[0]));
        Group(20, FormatCoordinate(at[1]));
        Group(40, FormatGeneral(height));
        Group(1, text);
    }
    void Point(const std::string& layer, const double xy[2])
    {
        Group(0, "POINT");
        Group(8, layer);
        Group(10, FormatCoordinate(xy[0]));
        Group(20, FormatCoordinate(xy[1]));
    }

private:
    ExportText& text_;
};

// Smallest and largest x and y of the points met; empty until the first.
struct Extents {
    double min[2] = {1e35, 1e35};
    double max[2] = {-1e35, -1e35};

    void Add(const double xy[2])
    {
        for (int axis = 0; axis < 2; ++axis) {
            min[axis] = std::min(min[axis], xy[axis]);
            max[axis] = std::max(max[axis], xy[axis]);
        }
    }
    bool Empty() const { return min[0] > max[0]; }
};

Extents SectionExtents(const CSectModel& model, const T_SECTION_D& section)
{
    Extents extents;
    for (int curveId : section.curveIds) {
        if (const T_CURVE_D* curve = model.FindCurve(curveId)) {
            for (int pointId : curve->pointIds) {
                if (const T_POINT_D* point = model.FindPoint(pointId))
                    extents.Add(point->xy);
            }
        }
    }
    return extents;
}

// Calls draw(a, b) for each pair of consecutive points that both exist.
template <class Draw>
void ForEachSegment(const CSectModel& model, const T_CURVE_D& curve, Draw draw)
{
    for (std::size_t k = 0; k + 1 < curve.pointIds.size(); ++k) {
        const T_POINT_D* a = model.FindPoint(curve.pointIds[k]);
        const T_POINT_D* b = model.FindPoint(curve.pointIds[k + 1]);
        if (a && b)
            draw(a->xy, b->xy);
    }
}

void WriteCentreLines(const CSectModel& model, const T_CURVE_D& curve, const std::string& layer,
                      DxfEntities& dxf)
{
    ForEachSegment(model, curve, [&](const double* a, const double* b) { dxf.Line(layer, a, b); });
}

// Four lines per segment around the band its width covers. An alignment that
// places no band leaves the centre line.
void WriteBands(const CSectModel& model, const T_CURVE_D& curve, const std::string& layer, DxfEntities& dxf)
{
    const bool bandPlaced = IsZero(curve.width) || (curve.alignment >= ALIGN_CENTER && curve.alignment <= ALIGN_RIGHT);
    if (!bandPlaced) {
        WriteCentreLines(model, curve, layer, dxf);
        return;
    }
    ForEachSegment(model, curve, [&](const double* a, const double* b) {
        double c[4][2];
        CurveBandCorners(a, b, curve, c);
        for (int side = 0; side < 4; ++side)
            dxf.Line(layer, c[side], c[(side + 1) % 4]);
    });
}

// The sections' and curves' points and the calculated sections' centroids.
// False, after the lookup box, at the first missing object.
bool CollectDxfLists(const CSectModel& model, const std::vector<int>& sectionIds, std::vector<int>& curveIds,
                     std::vector<int>& pointIds)
{
    const CMessageReporter& reporter = model.m_reporter;
    for (int sectionId : sectionIds) {
        const T_SECTION_D* section = model.FindSection(sectionId);
        if (!section)
            return reporter.ReportSectionNotFound(sectionId);
        for (int curveId : section->curveIds) {
            if (!model.FindCurve(curveId))
                return reporter.ReportCurveNotFound(curveId);
            curveIds.push_back(curveId);
        }
        if (section->propertiesCalculated) {
            if (!model.FindPoint(section->centroidPointId))
                return reporter.ReportPointNotFound(section->centroidPointId);
            pointIds.push_back(section->centroidPointId);
        }
    }
    for (int curveId : curveIds) {
        const T_CURVE_D* curve = model.FindCurve(curveId);
        if (!curve)
            return reporter.ReportCurveNotFound(curveId);
        for (int pointId : curve->pointIds) {
            if (!model.FindPoint(pointId))
                return reporter.ReportPointNotFound(pointId);
            pointIds.push_back(pointId);
        }
    }
    for (std::vector<int>* ids : {&curveIds, &pointIds}) {
        std::sort(ids->begin(), ids->end());
        ids->erase(std::unique(ids->begin(), ids->end()), ids->end());
    }
    return true;
}

} // namespace

bool CSectModel::WriteDxfFile(std::vector<int> sectionIds, std::vector<int> curveIds, std::vector<int> pointIds,
                              const char* path) const
{
    std::map<int, Mark> pointMarks;
    std::map<int, Mark> curveMarks;
    for (int pointId : pointIds) {
        if (FindPoint(pointId))
            pointMarks[pointId] = Mark::Write;
    }
    for (int curveId : curveIds) {
        if (const T_CURVE_D* curve = FindCurve(curveId)) {
            curveMarks[curveId] = Mark::Write;
            for (int pointId : curve->pointIds) {
                if (FindPoint(pointId))
                    pointMarks[pointId] = Mark::Skip;
            }
        }
    }
    for (int sectionId : sectionIds) {
        const T_SECTION_D* section = FindSection(sectionId);
        if (section && section->propertiesCalculated && FindPoint(section->centroidPointId))
            pointMarks[section->centroidPointId] = Mark::Centroid;
    }

    // Labels share one height: a fifteenth of the mean section height. A
    // section without points adds nothing to it, though its id still counts.
    std::map<int, Extents> extents;
    double heightSum = 0.0;
    for (int sectionId : sectionIds) {
        if (const T_SECTION_D* section = FindSection(sectionId)) {
            const Extents& measured = extents[sectionId] = SectionExtents(*this, *section);
            if (!measured.Empty())
                heightSum += measured.max[1] - measured.min[1];
        }
    }
    const double textHeight = sectionIds.empty() ? 0.0 : heightSum / static_cast<double>(sectionIds.size()) / 15.0;

    ExportText text;
    DxfEntities dxf(text);
    dxf.Group(0, "SECTION");
    dxf.Group(2, "ENTITIES");
    for (int sectionId : sectionIds) {
        const T_SECTION_D* section = FindSection(sectionId);
        if (!section)
            continue;
        const std::string layer = LayerName(section->name);
        for (int curveId : section->curveIds) {
            const T_CURVE_D* curve = FindCurve(curveId);
            if (!curve)
                continue;
            curveMarks[curveId] = Mark::Skip;
            if (section->type == SECTION_PLANE)
                WriteCentreLines(*this, *curve, layer, dxf);
            else
                WriteBands(*this, *curve, layer, dxf);
        }
        const Extents& box = extents[sectionId];
        double labelAt[2] = {0.0, 0.0};
        if (!box.Empty()) {
            labelAt[0] = (box.min[0] + box.max[0]) / 2.0;
            labelAt[1] = (box.min[1] + box.max[1]) / 2.0;
        }
        dxf.Text(layer, labelAt, textHeight, NameForRecord(section->name));
    }
    for (int curveId : curveIds) {
        const T_CURVE_D* curve = FindCurve(curveId);
        if (!curve || curveMarks.at(curveId) == Mark::Skip)
            continue;
        if (IsZero(curve->width))
            WriteCentreLines(*this, *curve, "Curve", dxf);
        else
            WriteBands(*this, *curve, "Curve", dxf);
    }
    for (int pointId : pointIds) {
        const auto mark = pointMarks.find(pointId);
        if (mark == pointMarks.end() || mark->second == Mark::Skip)
            continue;
        dxf.Point(mark->second == Mark::Centroid ? "Centroid" : "Point", FindPoint(pointId)->xy);
    }
    dxf.Group(0, "ENDSEC");
    dxf.Group(0, "EOF");
    return StoreExportFile(m_reporter, path, text);
}

bool CSectModel::ExportSectionsToDxf(std::vector<int> sectionIds, const char* path) const
{
    std::vector<int> curveIds;
    std::vector<int> pointIds;
    if (!CollectDxfLists(*this, sectionIds, curveIds, pointIds) || !WriteDxfFile(sectionIds, curveIds, pointIds, path))
        return false;
    if (sectionIds.size() == 1)
        m_reporter.PrintOutput(FormatText("1 section is exported to the AutoCAD DXF file [%s].", path));
    else
        m_reporter.PrintOutput(FormatText("%d sections are exported to the AutoCAD DXF file [%s].",
                                          static_cast<int>(sectionIds.size()), path));
    return true;
}

bool CSectModel::ExportGroupToDxf(std::string groupName, const char* path) const
{
    const T_GROUP_D* group = FindExportGroup(*this, groupName);
    if (!group)
        return false;
    T_GROUP_D members = LiveGroupMembers(*group);
    if (members.HasNoMembers())
        return m_reporter.ShowWarning(FormatText("Group [%s] has no model entity.", group->name.c_str()));
    if (!CollectDxfLists(*this, members.sectionIds, members.curveIds, members.pointIds)
        || !WriteDxfFile(members.sectionIds, members.curveIds, members.pointIds, path))
        return false;
    m_reporter.PrintOutput(FormatText("Group [%s] is exported to the AutoCAD DXF file [%s].", group->name.c_str(), path));
    return true;
}

bool CSectModel::ExportProjectToDxf(const char* path) const
{
    std::vector<int> sectionIds, curveIds, pointIds;
    for (const auto& [id, section] : m_sections)
        sectionIds.push_back(id);
    for (const auto& [id, curve] : m_curves)
        curveIds.push_back(id);
    for (const auto& [id, point] : m_points)
        pointIds.push_back(id);
    if (!CollectDxfLists(*this, sectionIds, curveIds, pointIds) || !WriteDxfFile(sectionIds, curveIds, pointIds, path))
        return false;
    m_reporter.PrintOutput(FormatText("Project is exported to the AutoCAD DXF file [%s].", path));
    return true;
}
