#include "frame/AddressLaunch.h"

#include "frame/TarvokrtDoc.h"

std::string UnableToOpenHyperlinkText(const std::string& reason)
{
    return "Unable to open hyperlink:\n\n" + reason;
}

void OpenAddressForUser(const AddressLaunchPorts& ports, const std::string& address, std::function<void()> failed)
{
    // The ports live with the main window, which outlives every launch it
    // hears back from (the launcher drops its callbacks when it goes).
    IMessageBoxPort& boxes = ports.boxes;
    IBellPort& bell = ports.bell;
    ports.launcher.OpenAddress(address, [&boxes, &bell, failed = std::move(failed)](const std::string& reason) {
        bell.Bell();
        boxes.ShowMessage(BoxKind::Warning, UnableToOpenHyperlinkText(reason));
        if (failed)
            failed();
    });
}
