#pragma once
// The plain arithmetic of the view's mouse handling: which mode follows a
// gesture, how far a drag zooms, the pick box of a select window and the
// projection that renders exactly that box for selection.

// Mouse modes of the view.
enum MouseMode {
    MOUSE_NONE = 0,
    MOUSE_DYNAMIC_ZOOM = 10,
    MOUSE_DYNAMIC_PAN = 11,
    MOUSE_ZOOM_WINDOW = 12,
    MOUSE_SELECT = 13,
    MOUSE_SELECT_GROUP = 14,
};

// A pick filter code sets the select mode; code 0 (picking off) sets none.
constexpr int MouseModeOfPickFilter(int filterCode)
{
    return filterCode == 0 ? MOUSE_NONE : MOUSE_SELECT;
}

// The mode after the left button goes up: zoom and pan gestures go back to
// the saved mode, the select modes stay, anything else ends in none.
int ModeAfterButtonUp(int mode, int savedMode);

// A mode command (dynamic zoom, dynamic pan, zoom window): the mode is
// switched on, saving the current one, or off (to none) when already on.
struct ModeSwitch {
    int mode;
    int savedMode;
};
ModeSwitch ToggleGestureMode(int currentMode, int savedMode, int commandMode);

// The zoom step of one dragged pixel: about x1.02 (see GlCamera::ZoomInOut),
// whatever the grid, since the drag is in pixels and the grid in model units.
constexpr double DYNAMIC_ZOOM_STEP_PER_PIXEL = 10.0;

// The zoom step of a dynamic-zoom drag from the previous to the current
// mouse position: the larger of the horizontal move and the upward move,
// in pixels, times DYNAMIC_ZOOM_STEP_PER_PIXEL.
double DynamicZoomStep(int previousX, int previousY, int x, int y);

// The box a select window or click picks in: centre and half sizes, each
// truncated. A click within a pixel gives zero half sizes.
struct PickBox {
    int centreX;
    int centreY;
    int halfWidth;
    int halfHeight;
};
PickBox PickBoxOf(int x1, int y1, int x2, int y2);

// A zero half size picks 5 pixels; both zero means the nearest entity.
constexpr int DEFAULT_PICK_HALF_SIZE = 5;

// The orthographic box (left, right, bottom, top) in eye coordinates that
// maps the pick box onto the whole viewport, for a window of width x height
// pixels whose camera shows +-halfWidth by +-halfHeight eye units.
struct PickProjection {
    double left;
    double right;
    double bottom;
    double top;
};
PickProjection PickProjectionOf(const PickBox& box, int width, int height, double halfWidth, double halfHeight);

// Hit records needed for the entities of a model; at least one.
int SelectionBufferRecords(int entityCount);
