#pragma once
// Hands a web or "mailto:" address to the desktop's opener (xdg-open, else
// gio) without waiting for it, and hears back when the opener ends: an opener
// that ends with a failure status, or none on the path, gives the reason,
// in the opener's own words when it wrote any to its error output.

#include "frame/ErrorDrainLaunch.h"

#include <functional>
#include <string>

// The opener runs through the error drain. failed runs at most once, on the
// window's thread, from the event loop when the opener ends or the drain's
// report cannot be read, or at once when no opener could be started, the
// drain's own failure among the reasons. A drain that ends before it tells
// leaves the opening as it is: nothing is known to have failed.
void OpenAddressOnDesktop(const ErrorDrain& errorDrain, const std::string& address,
                          std::function<void(const std::string& reason)> failed);

// Why the address was not opened by an opener that ended with the status and
// wrote the message (empty: none): the message when there is one, else what
// the status means; empty for success (status 0).
std::string OpenerFailureReason(const std::string& opener, int status, const std::string& message);
