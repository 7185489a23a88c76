#pragma once
// Opening a web or mail address for the user, and telling them when the
// desktop cannot open it: a beep, then a warning box with the reason. The
// About box's links and the Help menu's homepage and e-mail commands share it,
// so a failed launch reads the same wherever it started.

#include <functional>
#include <string>

class IFileLauncher;
class IMessageBoxPort;

// The system's warning sound.
class IBellPort {
public:
    virtual ~IBellPort() = default;
    virtual void Bell() = 0;
};

struct AddressLaunchPorts {
    IFileLauncher& launcher;
    IMessageBoxPort& boxes;
    IBellPort& bell;
};

// The warning shown for an address that could not be opened.
std::string UnableToOpenHyperlinkText(const std::string& reason);

// Asks the launcher to open the address. When it cannot, at once or later,
// the user hears the bell and sees the warning; then failed runs, if given.
void OpenAddressForUser(const AddressLaunchPorts& ports, const std::string& address,
                        std::function<void()> failed = {});
