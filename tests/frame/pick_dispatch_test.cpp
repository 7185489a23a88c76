// The pick dispatch on fakes: every row of its table, the conditions that
// keep a click from acting, and the immediate creations of the Point
// Coordinate, Line, Polyline and Rectangle dialogs.

#include "frame/PickDispatch.h"
#include "model/ModelRecords.h"
#include "view/EntityKeys.h"
#include "view/MouseModes.h"
#include "view/support/FakeToolView.h"
#include "view/support/RecordingToolDocument.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const char* NameOf(NamedField field)
{
    switch (field) {
    case NamedField::Width: return "Width";
    case NamedField::Ratio: return "Ratio";
    case NamedField::Radius: return "Radius";
    case NamedField::XRadius: return "XRadius";
    case NamedField::Angle: return "Angle";
    }
    return "?";
}

// The shown dialog's form, logging what the dispatch does to it. A focus
// entry carries the view's mouse mode at that moment ("focus 10038@11"), so
// a restore before the focus move shows. The line queries answer what the
// test set and log each read.
class LoggingPickTarget : public IPickTarget, public ILineQueries {
public:
    explicit LoggingPickTarget(const IToolView& view) : view_(view) {}

    bool SetPickFieldText(int code, const std::string& text) override
    {
        log.push_back("text " + std::to_string(code) + " " + text);
        return true;
    }
    bool SetPickFieldId(int code, int id) override
    {
        log.push_back("id " + std::to_string(code) + " " + std::to_string(id));
        return true;
    }
    bool FocusPickField(int code) override
    {
        log.push_back("focus " + std::to_string(code) + "@" + std::to_string(view_.MouseMode()));
        return true;
    }
    bool FocusNamedField(NamedField field) override
    {
        log.push_back(std::string("focus ") + NameOf(field) + "@" + std::to_string(view_.MouseMode()));
        return true;
    }
    ILineQueries* LineQueries() override { return this; }

    int CoordinateMode() const override { return mode; }
    std::optional<double> ReadWidth() override
    {
        log.push_back("read width");
        return width;
    }
    int AlignmentCode() const override { return alignment; }
    bool ReadPoint(int which, PlanePoint& point) override
    {
        log.push_back("read point " + std::to_string(which));
        if (!points[which])
            return false;
        point = *points[which];
        return true;
    }
    std::optional<PlanePoint> PreviousVertex() const override { return previous; }
    void SetPreviousVertex(const std::optional<PlanePoint>& vertex) override { previous = vertex; }

    std::vector<std::string> log;
    int mode = COORDINATES_XY;
    std::optional<double> width = 2.5;
    int alignment = ALIGN_LEFT;
    std::optional<PlanePoint> points[2] = {PlanePoint{0.0, 0.0}, PlanePoint{100.0, 0.0}};
    std::optional<PlanePoint> previous;

private:
    const IToolView& view_;
};

struct ShownTarget : IPickTargetSource {
    IPickTarget* ShownPickTarget() override { return target; }
    IPickTarget* target = nullptr;
};

class PickDispatch : public testing::Test {
protected:
    void SetUp() override
    {
        shown.target = &target;
        view.clickSnap.snapped = true;
        view.clickSnap.point[0] = 12.5;
        view.clickSnap.point[1] = -3.0;
        view.clickSnap.pointId = 7;
    }

    // Arms the view for the field and clicks once.
    void Click(int toolId, int code)
    {
        view.toolCommandId = toolId;
        view.pickFieldCode = code;
        view.mouseMode = MOUSE_NONE;
        view.savedMouseMode = MOUSE_DYNAMIC_PAN;
        view.rubberBandKind = 3;
        dispatch.DispatchPick(40, 50);
    }

    FakeToolView view;
    RecordingToolDocument document;
    LoggingPickTarget target{view};
    ShownTarget shown;
    CPickDispatch dispatch{view, document, shown};
};

using Log = std::vector<std::string>;
const char* const TEXT = "12.500, -3.000";

std::string Text(int code) { return "text " + std::to_string(code) + " " + TEXT; }

TEST_F(PickDispatch, EveryRowWritesItsFieldMovesTheFocusAndRestoresAndDisarmsAsItsRowSays)
{
    // restored: the mouse mode is the saved one (11) afterwards; disarmed:
    // the pick field code is 0 afterwards.
    struct Case {
        int toolId;
        int code;
        Log log;
        bool restored;
        bool disarmed;
    };
    const int P = MOUSE_DYNAMIC_PAN;
    auto at = [](int code, int mode) { return "focus " + std::to_string(code) + "@" + std::to_string(mode); };
    auto named = [](const char* name, int mode) { return std::string("focus ") + name + "@" + std::to_string(mode); };
    const Case cases[] = {
        {1003, 10002, {"id 10002 7", at(10003, 0)}, false, false},
        {1003, 10003, {"id 10003 7", named("Ratio", 0)}, false, true},
        {1006, 10037, {Text(10037), at(10038, P)}, true, false},
        {1006, 10038, {Text(10038)}, true, true},
        {1007, 10042, {Text(10042)}, true, true},
        {1008, 10044, {Text(10044), at(10045, P)}, true, false},
        {1008, 10045, {Text(10045)}, true, true},
        {1010, 10033, {Text(10033)}, true, true},
        {2000, 10000, {Text(10000), at(10001, 0)}, false, false},
        {2002, 10032, {Text(10032), named("Width", 0)}, true, true},
        {2003, 10049, {Text(10049), at(10050, 0)}, false, false},
        {2004, 10007, {Text(10007), named("Radius", 0)}, false, false},
        {2004, 10008, {Text(10008), at(10009, 0)}, false, false},
        {2004, 10009, {Text(10009), named("Width", 0)}, false, false},
        {2004, 10010, {Text(10010), at(10011, 0)}, false, false},
        {2004, 10011, {Text(10011), at(10012, 0)}, false, false},
        {2004, 10012, {Text(10012), named("Width", 0)}, false, false},
        {2005, 10013, {Text(10013), named("Radius", 0)}, false, false},
        {2005, 10014, {Text(10014), at(10015, 0)}, false, false},
        {2005, 10015, {Text(10015), at(10016, 0)}, false, false},
        {2005, 10016, {Text(10016), named("Width", 0)}, false, false},
        {2005, 10017, {Text(10017), at(10018, 0)}, false, false},
        {2005, 10018, {Text(10018), at(10019, 0)}, false, false},
        {2005, 10019, {Text(10019), named("Width", 0)}, false, false},
        {2006, 10020, {Text(10020), named("XRadius", 0)}, false, false},
        {2007, 10021, {Text(10021), at(10022, 0)}, false, false},
        {2007, 10022, {Text(10022), at(10023, 0)}, false, false},
        {2007, 10023, {Text(10023), named("Width", 0)}, false, false},
        {2008, 10024, {Text(10024), at(10025, 0)}, false, false},
        {2008, 10025, {Text(10025), at(10026, 0)}, false, false},
        {2008, 10026, {Text(10026), at(10027, 0)}, false, false},
        {2008, 10027, {Text(10027), named("Width", 0)}, false, false},
        {2009, 10028, {Text(10028), at(10029, 0)}, false, false},
        {2009, 10029, {Text(10029), at(10030, 0)}, false, false},
        {2009, 10030, {Text(10030), at(10031, 0)}, false, false},
        {2009, 10031, {Text(10031), named("Width", 0)}, false, false},
        {2015, 10035, {Text(10035), at(10036, P)}, true, false},
        {2015, 10036, {Text(10036), named("Width", 0)}, true, true},
        {2016, 10041, {Text(10041)}, true, true},
        {2017, 10046, {Text(10046), at(10047, P)}, true, false},
        {2017, 10047, {Text(10047), named("Width", 0)}, true, true},
        {3003, 10039, {Text(10039), at(10040, P)}, true, false},
        {3003, 10040, {Text(10040)}, true, true},
        {3004, 10043, {Text(10043)}, true, true},
        {6002, 10051, {Text(10051), named("Angle", P)}, true, false},
        {6002, 10052, {Text(10052), at(10053, P)}, true, false},
        {6002, 10053, {Text(10053)}, true, true},
        {6003, 10054, {Text(10054), named("Angle", P)}, true, false},
        {6003, 10055, {Text(10055), at(10056, P)}, true, false},
        {6003, 10056, {Text(10056)}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.toolId) + " " + std::to_string(c.code));
        target.log.clear();
        Click(c.toolId, c.code);
        EXPECT_EQ(target.log, c.log);
        EXPECT_EQ(view.mouseMode, c.restored ? P : MOUSE_NONE);
        EXPECT_EQ(view.pickFieldCode, c.disarmed ? 0 : c.code);
        EXPECT_EQ(view.rubberBandKind, 3);
    }
    EXPECT_TRUE(document.calls.empty());
}

TEST_F(PickDispatch, PointCoordinateCreatesAPointAtEveryClickAndStaysArmed)
{
    Click(1000, 10048);
    view.clickSnap.point[0] = 100.0;
    view.clickSnap.point[1] = 200.0;
    dispatch.DispatchPick(41, 51);
    EXPECT_EQ(target.log, (Log{Text(10048), "focus 10048@0", "text 10048 100.000, 200.000", "focus 10048@0"}));
    EXPECT_EQ(document.calls,
              (Log{"CreatePointByCoordinate((12.5, -3))", "CreatePointByCoordinate((100, 200))"}));
    EXPECT_EQ(view.pickFieldCode, 10048);
}

TEST_F(PickDispatch, LineAndRectangleCreateOnlyWhenWidthAlignmentAndBothPointsWereRead)
{
    struct Case {
        const char* name;
        bool widthRead;
        bool point1Read;
        bool point2Read;
        Log reads;  // after the text and before the focus
        bool created;
    };
    const Case cases[] = {
        {"everything read", true, true, true, {"read width", "read point 0", "read point 1"}, true},
        {"width refused", false, true, true, {"read width"}, false},
        {"point 1 refused", true, false, true, {"read width", "read point 0"}, false},
        {"point 2 refused", true, true, false, {"read width", "read point 0", "read point 1"}, false},
    };
    const struct {
        int toolId, code, firstCode;
        const char* created;
    } dialogs[] = {
        {2000, 10001, 10000, "CreateLine((0, 0), (100, 0), 2, 2.5)"},
        {2003, 10050, 10049, "CreateRectangle((0, 0), (100, 0), 2, 2.5)"},
    };
    for (const auto& dialog : dialogs) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(dialog.toolId) + " " + c.name);
            target.log.clear();
            document.calls.clear();
            target.width = c.widthRead ? std::optional<double>(2.5) : std::nullopt;
            target.points[0] = c.point1Read ? std::optional<PlanePoint>(PlanePoint{0.0, 0.0}) : std::nullopt;
            target.points[1] = c.point2Read ? std::optional<PlanePoint>(PlanePoint{100.0, 0.0}) : std::nullopt;
            Click(dialog.toolId, dialog.code);
            Log expected{Text(dialog.code)};
            expected.insert(expected.end(), c.reads.begin(), c.reads.end());
            expected.push_back("focus " + std::to_string(dialog.firstCode) + "@0");
            EXPECT_EQ(target.log, expected);
            EXPECT_EQ(document.calls, c.created ? Log{dialog.created} : Log{});
            // Either way the band ends and the chain goes on with Point 1.
            EXPECT_EQ(view.rubberBandKind, 0);
            EXPECT_EQ(view.pickFieldCode, dialog.code);
        }
    }
}

TEST_F(PickDispatch, LineAndRectanglePoint2AndPolylineDoNothingOutsideXyMode)
{
    const struct {
        int toolId, code, mode;
    } cases[] = {
        {2000, 10001, COORDINATES_DX_DY}, {2000, 10001, COORDINATES_POLAR},
        {2003, 10050, COORDINATES_DX_DY}, {2001, 10006, COORDINATES_DX_DY},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.toolId) + " mode " + std::to_string(c.mode));
        target.mode = c.mode;
        target.previous = PlanePoint{1.0, 1.0};
        Click(c.toolId, c.code);
        EXPECT_TRUE(target.log.empty());
        EXPECT_TRUE(document.calls.empty());
        EXPECT_EQ(view.rubberBandKind, 3);
        EXPECT_EQ(target.previous, (PlanePoint{1.0, 1.0}));
    }
}

TEST_F(PickDispatch, PolylineRecordsTheFirstVertexThenAddsOneSegmentPerClick)
{
    Click(2001, 10006);
    EXPECT_EQ(target.log, (Log{Text(10006), "focus 10006@0"}));
    EXPECT_TRUE(document.calls.empty());
    EXPECT_EQ(target.previous, (PlanePoint{12.5, -3.0}));

    target.log.clear();
    view.clickSnap.point[0] = 20.0;
    view.clickSnap.point[1] = 4.0;
    dispatch.DispatchPick(60, 70);
    EXPECT_EQ(target.log, (Log{"read width", "text 10006 20.000, 4.000", "focus 10006@0"}));
    EXPECT_EQ(document.calls, Log{"CreateLine((12.5, -3), (20, 4), 2, 2.5)"});
    EXPECT_EQ(target.previous, (PlanePoint{20.0, 4.0}));

    // An unreadable width creates nothing, and the vertex still moves.
    document.calls.clear();
    target.width.reset();
    view.clickSnap.point[0] = 30.0;
    dispatch.DispatchPick(80, 70);
    EXPECT_TRUE(document.calls.empty());
    EXPECT_EQ(target.previous, (PlanePoint{30.0, 4.0}));
    // The row acts whichever of the dialog's fields armed the view.
    document.calls.clear();
    target.width = 1.0;
    view.clickSnap.point[0] = 12.5;
    view.clickSnap.point[1] = -3.0;
    Click(2001, 10001);
    EXPECT_EQ(document.calls, Log{"CreateLine((30, 4), (12.5, -3), 2, 1)"});
}

TEST_F(PickDispatch, ExtendAndSplitWriteTheCurveUnderTheClickWithoutASnap)
{
    view.clickSnap.snapped = false;
    for (const auto& [toolId, code] : {std::pair{2021, 10004}, std::pair{2023, 10005}}) {
        SCOPED_TRACE(toolId);
        target.log.clear();
        view.nearestCurve = CurveKey(42);
        view.ClearCalls();
        Click(toolId, code);
        EXPECT_EQ(target.log, Log{"id " + std::to_string(code) + " 42"});
        EXPECT_EQ(view.calls, (Log{"NearestCurveAt 40 50", "BlinkEntity " + std::to_string(CurveKey(42))}));
        EXPECT_EQ(view.mouseMode, MOUSE_DYNAMIC_PAN);
        EXPECT_EQ(view.pickFieldCode, 0);

        // Nothing hit: a negative id (the form writes "0") and no blink.
        target.log.clear();
        view.nearestCurve = 0;
        view.ClearCalls();
        Click(toolId, code);
        EXPECT_EQ(target.log, Log{"id " + std::to_string(code) + " -1"});
        EXPECT_EQ(view.calls, Log{"NearestCurveAt 40 50"});
        EXPECT_EQ(view.mouseMode, MOUSE_DYNAMIC_PAN);
        EXPECT_EQ(view.pickFieldCode, 0);
    }
}

TEST_F(PickDispatch, RatioFieldsTakeThePointSnappedAtThisClickOrNone)
{
    view.clickSnap.pointId = -1;  // the grid node won, or point snap is off
    Click(1003, 10002);
    EXPECT_EQ(target.log, (Log{"id 10002 -1", "focus 10003@0"}));
}

TEST_F(PickDispatch, WithoutASnapAtTheClickOrARowForTheFieldNothingHappens)
{
    view.clickSnap.snapped = false;
    for (const auto& [toolId, code] : {std::pair{1000, 10048}, std::pair{1003, 10002}, std::pair{1006, 10037},
                                       std::pair{2000, 10001}, std::pair{2001, 10006}, std::pair{6003, 10056}}) {
        SCOPED_TRACE(toolId);
        Click(toolId, code);
        EXPECT_EQ(view.pickFieldCode, code);
        EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    }
    view.clickSnap.snapped = true;
    // A field of another dialog, a tool without pick fields, no tool.
    for (const auto& [toolId, code] : {std::pair{1006, 10039}, std::pair{1011, 10037}, std::pair{0, 10037},
                                       std::pair{3003, 0}}) {
        SCOPED_TRACE(toolId);
        Click(toolId, code);
        EXPECT_EQ(view.pickFieldCode, code);
    }
    // Without a shown dialog nothing is written either.
    shown.target = nullptr;
    Click(1006, 10037);
    EXPECT_TRUE(target.log.empty());
    EXPECT_TRUE(document.calls.empty());
}

}  // namespace
