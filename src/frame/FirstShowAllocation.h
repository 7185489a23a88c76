#pragma once
// Under a window manager that reports its frame sizes, the toolkit shows a
// new top-level window only once those sizes are known, and lays it out
// first at the placeholder size it realised it with, two pixels by one:
// less than the menu bar needs, which the toolkit reports as a critical
// ("gtk_distribute_natural_allocation: assertion 'extra_space >= 0'
// failed"). Giving the window its own size as its allocation before the
// first Show keeps that placeholder out; the later layout is unchanged.

class wxTopLevelWindow;

void AllocateBeforeFirstShow(wxTopLevelWindow& window);
