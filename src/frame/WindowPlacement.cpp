#include "frame/WindowPlacement.h"

#include <algorithm>

namespace {

// Far beyond any screen, and far within what the sums below can hold.
constexpr long kFarthestCoordinate = 1000000;

// The least of a window's width that stays on the screen, so that it can be
// taken and moved.
constexpr int kGripWidth = 100;

// The window's left edge: a grip of its width, and at least an icon's size,
// on the screen at either side.
int PlacedLeft(long left, int width, int screenWidth, int iconWidth)
{
    const long grip = std::min(width, std::max(kGripWidth, iconWidth));
    const long lowest = grip - width;
    return static_cast<int>(std::clamp<long>(left, lowest, std::max(lowest, screenWidth - grip)));
}

// The window's top edge, which is its title bar's: not above the work area,
// and not so low that the title bar, or an icon's size, leaves it.
int PlacedTop(long top, const ScreenLimits& screen)
{
    const long highest = screen.workAreaY;
    const long lowest = std::max<long>(
        highest, long{screen.workAreaY} + screen.workAreaHeight - std::max(screen.titleBarHeight, screen.iconHeight));
    return static_cast<int>(std::clamp<long>(top, highest, lowest));
}

// The rectangle, in screen coordinates, made no larger than the screen and
// moved within reach.
WindowRect PlacedWithinReach(long left, long top, long width, long height, const ScreenLimits& screen)
{
    WindowRect rect;
    rect.width = static_cast<int>(std::min<long>(width, std::max(screen.screenWidth, 1)));
    rect.height = static_cast<int>(std::min<long>(height, std::max(screen.screenHeight, 1)));
    rect.x = PlacedLeft(left, rect.width, screen.screenWidth, screen.iconWidth);
    rect.y = PlacedTop(top, screen);
    return rect;
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
    return PlacedWithinReach(saved.left + screen.workAreaX, saved.top + screen.workAreaY, saved.right - saved.left,
                             saved.bottom - saved.top, screen);
}

WindowRect WithinReach(const WindowRect& rect, const ScreenLimits& screen)
{
    return PlacedWithinReach(rect.x, rect.y, rect.width, rect.height, screen);
}

SavedWindowPos SavedWindowPosOf(long status, const WindowRect& normal, const ScreenLimits& screen)
{
    SavedWindowPos saved;
    saved.status = status;
    saved.left = long{normal.x} - screen.workAreaX;
    saved.top = long{normal.y} - screen.workAreaY;
    saved.right = saved.left + normal.width;
    saved.bottom = saved.top + normal.height;
    return saved;
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
    if (states.maximized || states.fullScreen || states.restoring || states.maximizing)
        return NormalRectStep::Keep;
    return NormalRectStep::Record;
}
