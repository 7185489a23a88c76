#pragma once
// The window ids of the program's command numbers, shared by the frame's
// menus and toolbars and the view's context menu.

// wx keeps window and menu ids below 32767; the program's command numbers
// above that are moved into free ranges for it.
constexpr int WxCommandId(int commandId)
{
    if (commandId >= 57344)
        return commandId - 57344 + 8000;
    if (commandId >= 32768)
        return commandId - 32768 + 6000;
    return commandId;
}


// The command number of a window id that WxCommandId made.
constexpr int CommandIdOfWxId(int wxId)
{
    if (wxId >= 8000)
        return wxId - 8000 + 57344;
    if (wxId >= 6000)
        return wxId - 6000 + 32768;
    return wxId;
}
