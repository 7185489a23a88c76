#pragma once
// The ports through which the engine reaches the user. The engine never opens a
// window or pumps messages itself; the GUI implements these with its dialogs,
// output pane and status bar, tests with a scripted fake.

#include <string>

// Plain: a box with no icon.
enum class BoxKind { Error, Warning, Information, Plain };

class IMessageBoxPort {
public:
    virtual ~IMessageBoxPort() = default;
    virtual void ShowMessage(BoxKind kind, const std::string& text) = 0;
    // Modal Yes/No question; returns true when the user answers Yes.
    virtual bool AskYesNo(const std::string& text, bool yesIsDefault) = 0;
};

class IOutputPort {
public:
    virtual ~IOutputPort() = default;
    virtual void AddMessage(const std::string& line) = 0;
    virtual void ReplaceLastMessage(const std::string& line) = 0;
    virtual void ClearMessages() = 0;
};

class IProgressPort {
public:
    virtual ~IProgressPort() = default;
    virtual void BeginProgress(int range) = 0;
    virtual void SetProgress(int position) = 0;
    virtual void EndProgress() = 0;
};

// What one look at the user's pending input found. The GUI takes at most one
// pending event, dispatches it, and says whether it was the Escape key.
enum class PolledMessage { QueueEmpty, OtherMessage, Escape };

class ICancelPort {
public:
    virtual ~ICancelPort() = default;
    virtual PolledMessage TakePendingMessage() = 0;
};

// A date and a time of day on the local clock; month 1 to 12.
struct LocalDateTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class IClockPort {
public:
    virtual ~IClockPort() = default;
    virtual LocalDateTime Now() = 0;
};

// The set of ports a model talks through; any of them may be absent. Without
// a clock the system's local time is read.
struct UserPorts {
    IMessageBoxPort* boxes = nullptr;
    IOutputPort* output = nullptr;
    IProgressPort* progress = nullptr;
    ICancelPort* cancel = nullptr;
    IClockPort* clock = nullptr;
};
