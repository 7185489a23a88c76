#pragma once
// A CTarvokrtView on screen in a frame of its own, with fakes of the
// document, status bar, workspace, group combos and query pages.

#include "view/TarvokrtView.h"
#include "view/support/FakeViewDocument.h"
#include "view/support/GuiTestEnvironment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class wxFrame;

struct FakeStatusBar : IStatusSink {
    void SetPaneText(int paneId, const std::string& text) override { panes.emplace_back(paneId, text); }
    std::vector<std::pair<int, std::string>> panes;
};

struct FakeWorkspace : IViewWorkspace, IGroupCombos, IQueryHook {
    void ShowPointTool(int toolId) override { calls.push_back("ShowPointTool " + std::to_string(toolId)); }
    void ShowCurveTool(int toolId) override { calls.push_back("ShowCurveTool " + std::to_string(toolId)); }
    void ShowSectTool(int toolId) override { calls.push_back("ShowSectTool " + std::to_string(toolId)); }
    void ShowCalcTool(int toolId) override { calls.push_back("ShowCalcTool " + std::to_string(toolId)); }
    void ShowGroupTool(int toolId) override { calls.push_back("ShowGroupTool " + std::to_string(toolId)); }
    void ShowUcsTool(int toolId) override { calls.push_back("ShowUcsTool " + std::to_string(toolId)); }
    void CloseAllTools() override { calls.push_back("CloseAllTools"); }
    void ActivateTab(int index) override { calls.push_back("ActivateTab " + std::to_string(index)); }
    void ResetGroupCombos() override { calls.push_back("ResetGroupCombos"); }
    void RefreshGroupCombos() override { calls.push_back("RefreshGroupCombos"); }
    void RunQuery(int toolCommandId) override { calls.push_back("RunQuery " + std::to_string(toolCommandId)); }
    std::vector<std::string> calls;
};

class ViewOnScreen : public testing::Test {
protected:
    static constexpr int CLIENT_WIDTH = 401;  // odd: bitmap rows need padding
    static constexpr int CLIENT_HEIGHT = 301;

    // The view's size on screen; a fixture may ask for another before SetUp.
    virtual wxSize ClientSize() const { return {CLIENT_WIDTH, CLIENT_HEIGHT}; }
    void SetUp() override;
    void TearDown() override;

    // The fakes, as the view is handed them.
    ViewServices Services();

    // Rebuilds from the model, fits and draws one frame.
    void DrawModel();
    // The pixel of the frame where the world point shows.
    std::array<int, 3> PixelAt(const RgbImage& frame, double x, double y) const;
    // Whether a pixel within `radius` of the world point has the colour.
    bool ColourNear(const RgbImage& frame, double x, double y, const std::array<int, 3>& colour, int radius) const;

    FakeViewDocument document;
    FakeStatusBar status;
    FakeWorkspace workspace;
    wxFrame* frame = nullptr;
    CTarvokrtView* view = nullptr;
};

std::array<int, 3> ToBytes(const Colour& colour);
