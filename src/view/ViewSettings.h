#pragma once
// The record the "Setting" dialog edits: project settings the document keeps
// and display settings the view keeps.

#include <cstdint>

using ColourRef = std::uint32_t;  // 0x00BBGGRR

constexpr ColourRef MakeColourRef(int r, int g, int b)
{
    return static_cast<ColourRef>(r) | (static_cast<ColourRef>(g) << 8) | (static_cast<ColourRef>(b) << 16);
}

// Colour slots of the record, in its order.
enum ViewSetColour {
    VIEWSET_POINT_NORMAL,
    VIEWSET_POINT_FREE_END,
    VIEWSET_POINT_CENTROID,
    VIEWSET_CURVE_WIDTH,
    VIEWSET_CURVE_NORMAL,
    VIEWSET_CALCULATED_SECTION,
    VIEWSET_CLOSED_LOOP,
    VIEWSET_SELECTED,
    VIEWSET_BACKGROUND,
    VIEWSET_COLOUR_COUNT
};

struct T_VIEWSET_D {
    double tolerance = 1.0;
    double angleStep = 10.0;
    int forceUnit = 0;   // combo index: unit code - 1
    int lengthUnit = 0;  // combo index: unit code - 1
    bool sectionName = false;
    bool sectionMaterial = false;
    bool closedLoopDisplay = true;
    bool closedLoopId = false;
    bool curveWidth = true;
    bool curveId = false;
    bool pointDisplay = true;
    bool pointId = false;
    int coordinateAxis = 1;
    ColourRef colours[VIEWSET_COLOUR_COUNT] = {};
};
