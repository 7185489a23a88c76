#pragma once
// Whether a window manager runs that maximises windows when asked. Without
// one, asking leaves the window as it is.

bool WindowManagerMaximizes();
