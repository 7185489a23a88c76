#pragma once
// The eight default toolbars: ids, titles, buttons with their tooltips, the
// sides each may dock to, where each is docked and which bar it follows.

#include "view/CommandIds.h"

#include <vector>

enum class DockSide { Top, Bottom, Left, Right };

struct ToolbarButton {
    int commandId;  // 0: a separator
    const char* tooltip;
};

struct ToolbarDefinition {
    int barId;
    const char* title;
    std::vector<ToolbarButton> buttons;
    bool topOnly;
    DockSide dockedIn;
    const char* placedAfter;  // title of the bar before it on its side; null when first
};

// Command ids the frame itself handles.
enum FrameCommand {
    CMD_FILE_NEW = 57600,
    CMD_FILE_OPEN = 57601,
    CMD_FILE_SAVE = 57603,
    CMD_FILE_SAVE_AS = 57604,
    CMD_FILE_PRINT_SETUP = 57606,
    CMD_FILE_PRINT = 57607,
    CMD_FILE_PRINT_PREVIEW = 57609,
    CMD_FILE_MRU_FIRST = 57616,
    CMD_APP_ABOUT = 57664,
    CMD_APP_EXIT = 57665,
    CMD_VISIT_HOMEPAGE = 32873,
    CMD_SEND_MAIL = 32874,
    CMD_CALCULATOR = 32875,
    CMD_CUSTOMIZE_TOOLBAR = 32876,
    CMD_EDIT_UNDO = 57643,
    CMD_EDIT_REDO = 57644,
    CMD_CLEAR_UNDO_STORAGE = 32893,
    CMD_CLEAR_REDO_STORAGE = 32894,
    CMD_SETTING = 32807,
    CMD_IMPORT_PROJECT = 32771,
    CMD_IMPORT_DXF = 32773,
    CMD_EXPORT_DXF = 32775,
    CMD_EXPORT_BITMAP = 32895,
    CMD_GROUP_COMBO = 32906,
    CMD_CLEAR_MESSAGE = 32892,
    CMD_ACTIVATE = 32787,
    CMD_GRID_SETTING = 32792,
};

// The most recent files the File menu lists.
constexpr int MAX_RECENT_FILES = 9;

// The control id of the group combo on the "Active" bar.
constexpr int GROUP_COMBO_CONTROL_ID = 1340;
constexpr int GROUP_COMBO_WIDTH = 111;

const std::vector<ToolbarDefinition>& DefaultToolbars();
