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
int PlacedLeft(long saved, int workAreaOrigin, int width, int screenWidth, int iconWidth)
{
    const long grip = std::min(width, std::max(kGripWidth, iconWidth));
    const long lowest = grip - width;
    return static_cast<int>(std::clamp<long>(saved + workAreaOrigin, lowest, std::max(lowest, screenWidth - grip)));
}

// The window's top edge, which is its title bar's: not above the work area,
// and not so low that the title bar, or an icon's size, leaves it.
int PlacedTop(long saved, const ScreenLimits& screen)
{
    const long highest = screen.workAreaY;
    const long lowest = std::max<long>(
        highest, long{screen.workAreaY} + screen.workAreaHeight - std::max(screen.titleBarHeight, screen.iconHeight));
    return static_cast<int>(std::clamp<long>(saved + screen.workAreaY, highest, lowest));
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
    rect.x = PlacedLeft(saved.left, screen.workAreaX, rect.width, screen.screenWidth, screen.iconWidth);
    rect.y = PlacedTop(saved.top, screen);
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
    if (states.maximized || states.fullScreen || states.restoring || states.maximizing)
        return NormalRectStep::Keep;
    return NormalRectStep::Record;
}
