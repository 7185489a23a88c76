#include "view/MouseModes.h"

#include <cmath>
#include <algorithm>
#include <cstdlib>

int ModeAfterButtonUp(int mode, int savedMode)
{
    switch (mode) {
    case MOUSE_DYNAMIC_ZOOM:
    case MOUSE_DYNAMIC_PAN:
    case MOUSE_ZOOM_WINDOW: return savedMode;
    case MOUSE_SELECT:
    case MOUSE_SELECT_GROUP: return mode;
    default: return MOUSE_NONE;
    }
}

ModeSwitch ToggleGestureMode(int currentMode, int savedMode, int commandMode)
{
    if (currentMode == commandMode)
        return {MOUSE_NONE, savedMode};
    return {commandMode, currentMode};
}

double DynamicZoomStep(int previousX, int previousY, int x, int y)
{
    int d = x - previousX;
    if (std::abs(d) < std::abs(previousY - y))
        d = previousY - y;
    return d * DYNAMIC_ZOOM_STEP_PER_PIXEL;
}

PickBox PickBoxOf(int x1, int y1, int x2, int y2)
{
    return {static_cast<int>((x1 + x2) * 0.5), static_cast<int>((y1 + y2) * 0.5),
            static_cast<int>(std::abs(x1 - x2) * 0.5), static_cast<int>(std::abs(y1 - y2) * 0.5)};
}

PickProjection PickProjectionOf(const PickBox& box, int width, int height, double halfWidth, double halfHeight)
{
    const double w = width;
    const double h = height;
    const double ex = halfWidth;
    const double ey = halfHeight;
    return {(ex / w) * 2.0 * (box.centreX - w / 2.0 - box.halfWidth),
            (ex / w) * 2.0 * (box.centreX - w / 2.0 + box.halfWidth),
            (ey / h) * 2.0 * (h / 2.0 - box.centreY - box.halfHeight),
            (ey / h) * 2.0 * (h / 2.0 - box.centreY + box.halfHeight)};
}

int SelectionBufferRecords(int entityCount)
{
    return std::max(1, static_cast<int>(std::ceil(entityCount * 1.5)));
}
