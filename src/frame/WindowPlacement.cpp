#include "frame/WindowPlacement.h"

#include <algorithm>

std::optional<WindowRect> RestoredWindowRect(const SavedWindowPos& saved, const ScreenLimits& screen)
{
    for (int value : {saved.status, saved.top, saved.left, saved.bottom, saved.right}) {
        if (value == -1)
            return std::nullopt;
    }
    WindowRect rect;
    rect.width = saved.right - saved.left;
    rect.height = saved.bottom - saved.top;
    rect.x = std::min(saved.left + screen.workAreaX, screen.screenWidth - screen.iconWidth);
    rect.y = std::min(saved.top + screen.workAreaY, screen.screenHeight - screen.iconHeight);
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
