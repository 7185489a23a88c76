#include "frame/WindowPlacement.h"

#include <algorithm>

namespace {

// Far beyond any screen, and far within what the sums below can hold.
constexpr long kFarthestCoordinate = 1000000;

// Where the window's edge goes along one axis: no further than an icon's size
// from either end of the screen.
int PlacedEdge(long saved, int workAreaOrigin, int size, int screenSize, int iconSize)
{
    const long highest = screenSize - iconSize;
    const long lowest = std::min<long>(iconSize - size, highest);
    return static_cast<int>(std::clamp<long>(saved + workAreaOrigin, lowest, highest));
}

}  // namespace

std::optional<WindowRect> RestoredWindowRect(const SavedWindowPos& saved, const ScreenLimits& screen)
{
    for (long value : {saved.status, saved.top, saved.left, saved.bottom, saved.right}) {
        if (value == -1 || value < -kFarthestCoordinate || value > kFarthestCoordinate)
            return std::nullopt;
    }
    if (saved.right <= saved.left || saved.bottom <= saved.top)
        return std::nullopt;
    WindowRect rect;
    rect.width = static_cast<int>(std::min<long>(saved.right - saved.left, std::max(screen.screenWidth, 1)));
    rect.height = static_cast<int>(std::min<long>(saved.bottom - saved.top, std::max(screen.screenHeight, 1)));
    rect.x = PlacedEdge(saved.left, screen.workAreaX, rect.width, screen.screenWidth, screen.iconWidth);
    rect.y = PlacedEdge(saved.top, screen.workAreaY, rect.height, screen.screenHeight, screen.iconHeight);
    return rect;
}

WindowRect FirstRunWindowRect(const WindowRect& workArea)
{
    WindowRect rect;
    rect.width = workArea.width * 3 / 4;
    rect.height = workArea.height * 3 / 4;
    rect.x = workArea.x + (workArea.width - rect.width) / 2;
    rect.y = workArea.y + (workArea.height - rect.height) / 2;
    return rect;
}

NormalRectStep NormalRectStepFor(const WindowStates& states)
{
    if (states.iconized)
        return NormalRectStep::Keep;
    if (states.wasMaximized && !states.maximized)
        return NormalRectStep::Restore;
    if (states.maximized || states.fullScreen || states.restoring)
        return NormalRectStep::Keep;
    return NormalRectStep::Record;
}
