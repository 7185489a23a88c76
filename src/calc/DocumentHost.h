#pragma once

// What the document's calculation and section commands need of the window
// around them: redraws, the pause dialog after a plane section, the clock and
// the short hold that keeps a mesh on screen. The GUI's document implements
// it; tests use a scripted stand-in.

#include <string>

class CSectModel;

// Choices of the pause dialog.
enum CalcPauseChoice { PAUSE_CONTINUE = 1, PAUSE_NO_MORE = 2, PAUSE_STOP = 3 };

class IDocumentHost {
public:
    virtual ~IDocumentHost() = default;
    virtual void RedrawAllViews() = 0;
    // Invalidate, erase and update the main window at once.
    virtual void RepaintMainWindow() = 0;
    // Marks the project modified and redraws.
    virtual void OnModelChanged() = 0;
    // The modal pause dialog with the text; lastSection turns "Continue" into
    // "Finish" and disables "Pause No More" and "Stop". Returns a CalcPauseChoice.
    virtual int AskCalcPause(const std::string& text, bool lastSection) = 0;
    // Processor time in seconds, for padding a calculation to a second.
    virtual double ProcessorSeconds() = 0;
    virtual void HoldMilliseconds(int milliseconds) = 0;
};

// Pads work that began at start (ProcessorSeconds) to a full second, so a
// mesh stays in view long enough to be seen; longer work is not slowed.
inline void HoldRestOfSecond(IDocumentHost& host, double start)
{
    const double elapsed = host.ProcessorSeconds() - start;
    if (elapsed < 1.0)
        host.HoldMilliseconds(static_cast<int>((1.0 - elapsed) * 1000.0));
}

// The document's side of the engine: its model, its window and its busy
// flag, which is 1 while a calculation or a generation runs (the calculate
// commands ignore Apply meanwhile).
struct DocumentContext {
    CSectModel& model;
    IDocumentHost& host;
    int& busy;
};

// Sets the busy flag for a run and clears it on every way out.
class BusyScope {
public:
    explicit BusyScope(int& busy) : m_busy(busy) { m_busy = 1; }
    ~BusyScope() { m_busy = 0; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    int& m_busy;
};
