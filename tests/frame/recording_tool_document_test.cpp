// The recording stand-in for the document that the page tests call.

#include "view/support/RecordingToolDocument.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordingToolDocument, RecordsEachCallWithItsArgumentsAndAnswersWhatTheTestSet)
{
    RecordingToolDocument document;
    IToolDocument& tools = document;
    const double from[2] = {0.0, 0.5};
    const double to[2] = {100.0, -2.25};
    const int colour[3] = {255, 128, 0};

    EXPECT_TRUE(tools.CreateLine(from, to, ALIGN_LEFT, 1.5));
    document.results["DeletePoints"] = false;
    EXPECT_FALSE(tools.DeletePoints({3, 1}));
    tools.GenerateSection("S", SECTION_PLANE, {1, 2}, true, 2.5, colour, "G", false, true, 10.0);
    document.idResults["PickPointsOfCurve"] = {4, 7};
    std::vector<int> picked{99};
    tools.PickPointsOfCurve(5, &picked);
    EXPECT_EQ(picked, (std::vector<int>{4, 7}));
    std::vector<int> loops{99};
    tools.GetNewcomerClosedLoops(loops);
    EXPECT_TRUE(loops.empty());
    document.results["ArrangeSections"] = false;
    EXPECT_FALSE(tools.ArrangeSections({2, 5}, 3, 0, 2));
    EXPECT_TRUE(tools.AssignDomainMaterial({{1, 2}, {4, 1}}, 3, true));

    EXPECT_EQ(document.calls, (std::vector<std::string>{
                                  "CreateLine((0, 0.5), (100, -2.25), 2, 1.5)",
                                  "DeletePoints([3, 1])",
                                  "GenerateSection(\"S\", 1, [1, 2], true, 2.5, (255, 128, 0), \"G\", false, true, 10)",
                                  "PickPointsOfCurve(5)",
                                  "GetNewcomerClosedLoops()",
                                  "ArrangeSections([2, 5], 3, 0, 2)",
                                  "AssignDomainMaterial([(1, 2), (4, 1)], 3, true)",
                              }));
}

TEST(RecordingToolDocument, RecordsTheCurveEditingCommands)
{
    RecordingToolDocument document;
    IToolDocument& tools = document;
    document.results["SplitCurve"] = false;

    EXPECT_TRUE(tools.ConvertCurveWidths({4, 2}, true, false, true));
    EXPECT_TRUE(tools.MergeCurves({1, 3}));
    EXPECT_FALSE(tools.SplitCurve(7, {9, 9}));
    EXPECT_TRUE(tools.ReverseCurves({5}, true));
    EXPECT_TRUE(tools.ChangeCurveWidths({6, 8}, true, 3, false, 12.5));

    EXPECT_EQ(document.calls, (std::vector<std::string>{
                                  "ConvertCurveWidths([4, 2], true, false, true)",
                                  "MergeCurves([1, 3])",
                                  "SplitCurve(7, [9, 9])",
                                  "ReverseCurves([5], true)",
                                  "ChangeCurveWidths([6, 8], true, 3, false, 12.5)",
                              }));
}

TEST(RecordingToolDocument, RecordsTheCurveEditingMembers)
{
    RecordingToolDocument document;
    IToolDocument& tools = document;
    const double a[2] = {1.0, 2.0};
    const double b[2] = {3.0, -4.5};
    document.results["ExtendCurves"] = false;
    EXPECT_TRUE(tools.TranslateCurves({2, 1}, 5.0, -0.5));
    EXPECT_TRUE(tools.CopyCurvesByTranslation({3}, 0.0, 50.0, 3, true, ALIGN_LEFT, 2.0));
    EXPECT_TRUE(tools.RotateCurves({4}, a, 90.0));
    EXPECT_TRUE(tools.CopyCurvesByRotation({4}, a, -45.0, 2, false, ALIGN_CENTER, 0.0));
    EXPECT_TRUE(tools.MirrorCurves({5, 6}, a, b));
    EXPECT_TRUE(tools.CopyCurvesByMirroring({7}, b, a, true, ALIGN_RIGHT, 1.5));
    EXPECT_TRUE(tools.FilletCurves(1, 2, 10.0, ALIGN_CENTER, 0.0));
    EXPECT_FALSE(tools.ExtendCurves(1, {2, 3}, true));
    EXPECT_TRUE(tools.ScaleLines({8}, 0.5));
    EXPECT_EQ(document.calls, (std::vector<std::string>{
                                  "TranslateCurves([2, 1], 5, -0.5)",
                                  "CopyCurvesByTranslation([3], 0, 50, 3, true, 2, 2)",
                                  "RotateCurves([4], (1, 2), 90)",
                                  "CopyCurvesByRotation([4], (1, 2), -45, 2, false, 1, 0)",
                                  "MirrorCurves([5, 6], (1, 2), (3, -4.5))",
                                  "CopyCurvesByMirroring([7], (3, -4.5), (1, 2), true, 3, 1.5)",
                                  "FilletCurves(1, 2, 10, 1, 0)",
                                  "ExtendCurves(1, [2, 3], true)",
                                  "ScaleLines([8], 0.5)",
                              }));
}

TEST(RecordingToolDocument, ReportsTheTestsModelBusyFlagAndWorkUcs)
{
    RecordingToolDocument document;
    IToolDocument& tools = document;
    EXPECT_EQ(tools.GetModel(), &document.model);
    EXPECT_FALSE(tools.IsBusy());
    document.busy = true;
    EXPECT_TRUE(tools.IsBusy());

    EXPECT_EQ(tools.SetCurrentUcs(3), document.model.FindUcs(0));
    T_UCS_D ucs;
    ucs.id = 3;
    document.workUcs = &ucs;
    EXPECT_EQ(tools.SetGcsCurrent(), &ucs);
    EXPECT_EQ(document.calls, (std::vector<std::string>{"SetCurrentUcs(3)", "SetGcsCurrent()"}));
}

}  // namespace
