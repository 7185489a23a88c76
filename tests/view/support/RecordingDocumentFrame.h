#pragma once
// The frame hooks of the document played by a test: every call is recorded
// by name, in order; the pause dialog answers from a queue (Continue when it
// runs dry); the clock is a number the test sets and the hold only records.

#include "frame/TarvokrtDoc.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class RecordingDocumentFrame : public IDocumentFrame {
public:
    void RedrawViews(bool reRender) override { Record(reRender ? "RedrawViews re-render" : "RedrawViews"); }
    void ZoomFitViews() override { Record("ZoomFitViews"); }
    void RebuildViews() override { Record("RebuildViews"); }
    void RefreshGroupCombos() override { Record("RefreshGroupCombos"); }
    void LeaveSelectGroupMode() override { Record("LeaveSelectGroupMode"); }
    void RefreshGroupToolDialogs() override { Record("RefreshGroupToolDialogs"); }
    void ShowGlobalCoordinates() override { Record("ShowGlobalCoordinates"); }
    void RefreshUcsToolDialogs() override { Record("RefreshUcsToolDialogs"); }
    void ShowUcsCoordinates() override { Record("ShowUcsCoordinates"); }
    void RepaintMainWindow() override { Record("RepaintMainWindow"); }
    CalcPauseChoice AskCalcPause(const std::string& text, bool lastSection) override;
    double ProcessorSeconds() override { return clockSeconds; }
    void HoldMilliseconds(int milliseconds) override { Record("HoldMilliseconds " + std::to_string(milliseconds)); }
    void UpdateMaterialList() override { Record("UpdateMaterialList"); }
    std::vector<int> ActiveSectionIds() override { return activeSectionIds; }

    // How many recorded calls have this name.
    int Count(const std::string& call) const;

    std::vector<std::string> calls;
    std::deque<CalcPauseChoice> pauseChoices;
    double clockSeconds = 0.0;
    // What the view shows as active sections.
    std::vector<int> activeSectionIds;
    // Runs inside every hook after it is recorded, with the call's name.
    std::function<void(const std::string&)> onCall;

private:
    void Record(const std::string& call);
};
