// The view's part of the "Setting" command: filling the record from the
// model, the switches and the colours, and applying it back.

#include "view/TarvokrtView.h"
#include "view/ViewSettings.h"

#include "model/SectModel.h"

namespace {

// The record's colour slots and the scene colours they stand for; the
// background is the view's own.
constexpr struct {
    ViewSetColour slot;
    SceneColour scene;
} COLOUR_SLOTS[] = {
    {VIEWSET_POINT_NORMAL, COLOUR_POINT},
    {VIEWSET_POINT_FREE_END, COLOUR_POINT_FREE_END},
    {VIEWSET_POINT_CENTROID, COLOUR_CENTROID},
    {VIEWSET_CURVE_WIDTH, COLOUR_WIDTH},
    {VIEWSET_CURVE_NORMAL, COLOUR_CURVE},
    {VIEWSET_CALCULATED_SECTION, COLOUR_CALCULATED_CURVE},
    {VIEWSET_CLOSED_LOOP, COLOUR_CLOSED_LOOP},
    {VIEWSET_SELECTED, COLOUR_HIGHLIGHT},
};

int ChannelByte(float channel)
{
    return static_cast<int>(channel * 255.0f);
}

ColourRef ToColourRef(const float rgb[3])
{
    return MakeColourRef(ChannelByte(rgb[0]), ChannelByte(rgb[1]), ChannelByte(rgb[2]));
}

void FromColourRef(ColourRef colour, float rgb[3])
{
    for (int channel = 0; channel < 3; ++channel)
        rgb[channel] = static_cast<float>((colour >> (8 * channel)) & 0xFF) / 255.0f;
}

}  // namespace

void CTarvokrtView::GetViewSettings(T_VIEWSET_D& settings)
{
    if (services_.document && services_.document->GetModel()) {
        const CSectModel& model = *services_.document->GetModel();
        settings.tolerance = model.m_tolerance;
        settings.angleStep = model.m_angleStep;
        settings.forceUnit = model.m_forceUnit - 1;
        settings.lengthUnit = model.m_lengthUnit - 1;
    }
    settings.sectionName = m_display.sectionNameLabels;
    settings.sectionMaterial = m_display.materialLabels;
    settings.closedLoopDisplay = m_display.closedLoops;
    settings.closedLoopId = m_display.closedLoopLabels;
    settings.curveWidth = m_display.curveWidths;
    settings.curveId = m_display.curveLabels;
    settings.pointDisplay = m_display.points;
    settings.pointId = m_display.pointLabels;
    settings.coordinateAxis = m_ucsAxesDisplay;
    for (const auto& [slot, scene] : COLOUR_SLOTS)
        settings.colours[slot] = ToColourRef(scene_->m_colours[scene].data());
    settings.colours[VIEWSET_BACKGROUND] = ToColourRef(m_background);
}

void CTarvokrtView::ApplyViewSettings(const T_VIEWSET_D& settings)
{
    if (services_.settings) {
        services_.settings->SetTolerance(settings.tolerance);
        services_.settings->SetAngleStep(settings.angleStep);
        services_.settings->SetUnits(settings.lengthUnit + 1, settings.forceUnit + 1);
    }
    m_display.sectionNameLabels = settings.sectionName;
    m_display.materialLabels = settings.sectionMaterial;
    m_display.closedLoops = settings.closedLoopDisplay;
    m_display.closedLoopLabels = settings.closedLoopId;
    m_display.curveWidths = settings.curveWidth;
    m_display.curveLabels = settings.curveId;
    m_display.points = settings.pointDisplay;
    m_display.pointLabels = settings.pointId;
    m_ucsAxesDisplay = settings.coordinateAxis;
    UpdateSceneSwitches();
    FromColourRef(settings.colours[VIEWSET_BACKGROUND], m_background);
    for (const auto& [slot, scene] : COLOUR_SLOTS)
        FromColourRef(settings.colours[slot], scene_->m_colours[scene].data());
    RebuildScene();
    ZoomFit();
    RedrawScene();
}
