#include "view/support/DrawingModel.h"
#include "view/support/ViewOnScreen.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>

namespace {

class ViewPick : public ViewOnScreen {
protected:
    // The keys a 5 x 5 pixel pick box at the world point hits, through the
    // scene's selection rendering.
    std::set<int> KeysHitAt(double x, double y)
    {
        double window[2];
        view->Camera().WorldToWindow(x, y, window);
        EXPECT_TRUE(view->tglSetCurrent());
        const GlCamera& camera = view->Camera();
        std::vector<GLuint> buffer(4 * 64);
        glSelectBuffer(static_cast<GLsizei>(buffer.size()), buffer.data());
        glRenderMode(GL_SELECT);
        GLint viewport[4] = {0, 0, camera.WindowWidth(), camera.WindowHeight()};
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPickMatrix(window[0], camera.WindowHeight() - window[1], 5.0, 5.0, viewport);
        glOrtho(-camera.HalfWidth(), camera.HalfWidth(), -camera.HalfHeight(), camera.HalfHeight(),
                -camera.Depth(), camera.Depth());
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        view->tglCameraON();
        DrawPlan plan;
        view->GetScene()->RenderForSelection(plan);
        view->Executor().Run(plan);
        const GLint hits = glRenderMode(GL_RENDER);
        view->tglReleaseCurrent();
        std::set<int> keys;
        for (GLint hit = 0; hit < hits; ++hit) {
            EXPECT_EQ(buffer[hit * 4], 1u);  // one name per hit
            keys.insert(static_cast<int>(buffer[hit * 4 + 3]));
        }
        return keys;
    }
};

TEST_F(ViewPick, HitsNameTheEntityKeys)
{
    BuildDrawingModel(document);
    DrawModel();
    EXPECT_EQ(KeysHitAt(75, 25), std::set<int>({SectionKey(1)}));
    EXPECT_EQ(KeysHitAt(25, 75), std::set<int>());  // the unused domain
    EXPECT_EQ(KeysHitAt(500, 500),
              std::set<int>({PointKey(9), CurveKey(4), CurveKey(5), CurveKey(6)}));
    EXPECT_EQ(KeysHitAt(250, 8), std::set<int>({CurveKey(2)}));  // on the width band
    EXPECT_EQ(KeysHitAt(50, 200), std::set<int>({CurveKey(3), SectionKey(2)}));
}

TEST_F(ViewPick, HiddenKindsAndFilteredKindsAreNotHit)
{
    BuildDrawingModel(document);
    view->m_display.points = false;
    DrawModel();
    CScene& scene = *view->GetScene();
    EXPECT_EQ(KeysHitAt(600, 500), std::set<int>({CurveKey(4)}));
    scene.m_pickFilter[KIND_CURVE] = false;
    EXPECT_EQ(KeysHitAt(600, 500), std::set<int>());

    // Domain lists are built only while domains can be picked.
    scene.m_pickFilter[KIND_DOMAIN] = true;
    scene.m_pickFilter[KIND_SECTION] = false;
    EXPECT_EQ(KeysHitAt(75, 25), std::set<int>());
    view->RebuildScene();
    EXPECT_EQ(KeysHitAt(75, 25), std::set<int>({DomainKey(1, 1)}));
}

using ViewExport = ViewOnScreen;

TEST_F(ViewExport, BitmapReadsBackPixelEqualToTheFrame)
{
    BuildDrawingModel(document);
    DrawModel();
    const std::string path = testing::TempDir() + "view_export_test.bmp";
    ASSERT_TRUE(view->ExportBitmap(path));
    EXPECT_EQ(document.user.LastLine(), "Active window graphic is exported to Windows bitmap file [" + path + "]");

    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const int stride = (CLIENT_WIDTH * 3 + 3) / 4 * 4;
    ASSERT_EQ(bytes.size(), 54u + static_cast<size_t>(stride) * CLIENT_HEIGHT);
    EXPECT_EQ(bytes[18] | bytes[19] << 8, CLIENT_WIDTH);
    EXPECT_EQ(bytes[22] | bytes[23] << 8, CLIENT_HEIGHT);

    const RgbImage frame = view->ReadShownPicture();
    ASSERT_EQ(frame.width, CLIENT_WIDTH);
    size_t differing = 0;
    for (int row = 0; row < CLIENT_HEIGHT; ++row) {
        for (int column = 0; column < CLIENT_WIDTH; ++column) {
            const unsigned char* written = &bytes[54 + static_cast<size_t>(row) * stride + column * 3];
            const unsigned char* shown = &frame.rgb[(static_cast<size_t>(row) * CLIENT_WIDTH + column) * 3];
            if (written[0] != shown[2] || written[1] != shown[1] || written[2] != shown[0])
                ++differing;
        }
        for (int pad = CLIENT_WIDTH * 3; pad < stride; ++pad)
            EXPECT_EQ(bytes[54 + static_cast<size_t>(row) * stride + pad], 0);
    }
    EXPECT_EQ(differing, 0u);
    std::remove(path.c_str());
}

TEST_F(ViewExport, FailedWriteShowsTheErrorAndNoSuccessLine)
{
    BuildDrawingModel(document);
    DrawModel();
    const std::string path = testing::TempDir() + "no-such-folder/view.bmp";
    EXPECT_FALSE(view->ExportBitmap(path));
    EXPECT_TRUE(document.user.lines.empty());
    ASSERT_EQ(document.user.boxes.size(), 1u);
    EXPECT_EQ(document.user.boxes[0].kind, BoxKind::Error);
    EXPECT_EQ(document.user.boxes[0].text, "Cannot open the file [" + path + "].");
}

using ViewServicesTest = ViewOnScreen;

TEST_F(ViewServicesTest, StatusBarShowsGlobalAndUcsCoordinates)
{
    document.UseUcs(1, 100.0, 0.0, 90.0);
    view->m_snappedPoint[0] = 10.0;
    view->ShowCursorCoordinates();
    ASSERT_EQ(status.panes.size(), 2u);
    EXPECT_EQ(status.panes[0], std::make_pair(static_cast<int>(STATUS_PANE_GCS), std::string(" GCS: (100.000,10.000)")));
    EXPECT_EQ(status.panes[1], std::make_pair(static_cast<int>(STATUS_PANE_UCS), std::string(" UCS: (10.000,0.000)")));
}

TEST_F(ViewServicesTest, ResetQueryAndOutput)
{
    EXPECT_EQ(workspace.calls.front(), "ResetGroupCombos");
    workspace.calls.clear();
    view->m_gridDisplay = 1;
    view->m_display.points = false;
    view->m_toolCommandId = 77;
    view->ResetViewState();
    EXPECT_EQ(workspace.calls, (std::vector<std::string>{"CloseAllTools", "ActivateTab 0"}));
    EXPECT_EQ(view->m_gridDisplay, 0);
    EXPECT_TRUE(view->m_display.points);
    EXPECT_EQ(view->m_toolCommandId, 0);
    EXPECT_EQ(view->m_coordinateDisplay, COORDINATES_GCS);
    EXPECT_EQ(view->m_reRender, 1);

    workspace.calls.clear();
    view->m_toolCommandId = TOOL_QUERY_CURVE;
    view->RunQueryAfterPick();  // no tool active
    view->m_toolActive = 1;
    view->RunQueryAfterPick();
    view->m_toolCommandId = 2030;
    view->RunQueryAfterPick();
    EXPECT_EQ(workspace.calls, (std::vector<std::string>{"RunQuery 2031"}));

    view->PrintMessage("first", 0);
    view->PrintMessage("second", 1);
    view->PrintMessage("ignored", 2);
    EXPECT_EQ(document.user.lines, (std::vector<std::string>{"second"}));
}

}  // namespace
