// The toolbar buttons' pictures: every command of every bar has its own
// drawing, each renders to a real picture at 16 and 32 pixels, no two are
// alike, and the program's buttons show them under their tooltips.

#include "program_on_screen.h"
#include "support/TestDataFolders.h"

#include "frame/MainFrame.h"
#include "frame/ToolbarImages.h"
#include "frame/ToolbarTable.h"
#include "view/CommandIds.h"

#include <wx/aui/auibar.h>
#include <wx/image.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct BarButton {
    const ToolbarDefinition* bar;
    ToolbarButton button;
    std::string Shown() const { return std::string(bar->title) + " / " + button.tooltip; }
};

// The buttons that show a picture: all but separators and the group combo.
std::vector<BarButton> ImageButtons()
{
    std::vector<BarButton> buttons;
    for (const ToolbarDefinition& bar : DefaultToolbars())
        for (const ToolbarButton& button : bar.buttons)
            if (button.commandId != 0 && button.commandId != CMD_GROUP_COMBO)
                buttons.push_back({&bar, button});
    return buttons;
}

wxImage Render(const char* svg, int size)
{
    return wxBitmapBundle::FromSVG(svg, wxSize(16, 16)).GetBitmap(wxSize(size, size)).ConvertToImage();
}

// The pixels as they show on any background: colour and opacity together.
std::vector<unsigned char> Pixels(const wxImage& image)
{
    std::vector<unsigned char> pixels;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            for (unsigned char channel : {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y),
                                          image.HasAlpha() ? image.GetAlpha(x, y) : static_cast<unsigned char>(255)})
                pixels.push_back(channel);
    return pixels;
}

// The names of the first set missing from the second, joined by blanks.
std::string Without(const std::set<std::string>& names, const std::set<std::string>& removed)
{
    std::string left;
    for (const std::string& name : names)
        if (!removed.count(name))
            left += (left.empty() ? "" : " ") + name;
    return left;
}

class ToolbarPictureDrawings : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RequireDisplay())
            GTEST_SKIP();
    }
};

TEST_F(ToolbarPictureDrawings, EveryButtonHasAPictureThatDrawsAtSixteenAndThirtyTwoPixels)
{
    const std::vector<BarButton> buttons = ImageButtons();
    ASSERT_FALSE(buttons.empty());
    for (const BarButton& b : buttons) {
        const ToolbarPicture* picture = FindToolbarPicture(b.button.commandId);
        ASSERT_NE(picture, nullptr) << b.Shown() << " has no picture";
        for (int size : {16, 32}) {
            const wxImage image = Render(picture->svg, size);
            ASSERT_TRUE(image.IsOk()) << picture->name;
            ASSERT_EQ(image.GetSize(), wxSize(size, size)) << picture->name;
            ASSERT_TRUE(image.HasAlpha()) << picture->name;
            // Drawn: a fair share of the square covered, in more than one
            // colour (a blank, a filled square or a stray dot fail).
            int covered = 0;
            std::set<unsigned long> colours;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    if (image.GetAlpha(x, y) > 127) {
                        ++covered;
                        colours.insert(image.GetRed(x, y) << 16 | image.GetGreen(x, y) << 8 | image.GetBlue(x, y));
                    }
            EXPECT_GT(covered, size * size / 12) << picture->name << " at " << size;
            EXPECT_LT(covered, size * size) << picture->name << " at " << size;
            EXPECT_GT(colours.size(), 1u) << picture->name << " at " << size;
        }
    }
}

TEST_F(ToolbarPictureDrawings, NoTwoButtonsLookAlikeNotEvenTheSameCommandOnTwoBars)
{
    // The Point, Curve and Section bars each have Translate, Rotate, Delete,
    // Pick and Query: the object drawn tells them apart.
    const std::vector<BarButton> buttons = ImageButtons();
    std::vector<std::vector<unsigned char>> looks;
    for (const BarButton& b : buttons) {
        const ToolbarPicture* picture = FindToolbarPicture(b.button.commandId);
        ASSERT_NE(picture, nullptr) << b.Shown();
        looks.push_back(Pixels(Render(picture->svg, 16)));
    }
    for (size_t i = 0; i < buttons.size(); ++i)
        for (size_t j = i + 1; j < buttons.size(); ++j)
            EXPECT_NE(looks[i], looks[j]) << buttons[i].Shown() << " looks like " << buttons[j].Shown();
}

TEST(ToolbarPictureFiles, EveryFileIsBuiltInAndShownByAButton)
{
    // A drawing left in the folder after its button went, or one added
    // without its command, would be built in for nothing.
    std::set<std::string> shown;
    for (const BarButton& b : ImageButtons())
        if (const ToolbarPicture* picture = FindToolbarPicture(b.button.commandId))
            shown.insert(std::string(picture->name));
    std::set<std::string> built;
    for (const ToolbarPicture& picture : ToolbarPictures())
        built.insert(std::string(picture.name));
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(TestsFolder() / ".." / "src" / "frame" / "toolbar-images"))
        if (entry.path().extension() == ".svg")
            files.insert(entry.path().stem().string());
    EXPECT_EQ(Without(files, built), "") << "files not built in";
    EXPECT_EQ(Without(built, files), "") << "built in without a file";
    EXPECT_EQ(Without(built, shown), "") << "shown by no button";
}

class ToolbarOnScreen : public ProgramOnScreen {};

TEST_F(ToolbarOnScreen, CurveBarButtonsShowTheirDrawingsUnderTheirTooltips)
{
    ASSERT_TRUE(Start(""));
    auto* curveBar = dynamic_cast<wxAuiToolBar*>(Frame().Bars().GetPane("Curve").window);
    ASSERT_NE(curveBar, nullptr);
    const std::filesystem::path folder = TestsFolder() / ".." / "src" / "frame" / "toolbar-images";
    int buttons = 0;
    for (const BarButton& b : ImageButtons()) {
        if (std::string(b.bar->title) != "Curve")
            continue;
        ++buttons;
        const wxAuiToolBarItem* item = curveBar->FindTool(WxCommandId(b.button.commandId));
        ASSERT_NE(item, nullptr) << b.Shown();
        EXPECT_EQ(item->GetShortHelp(), b.button.tooltip);
        // The button's picture is its drawing as the file in the source
        // folder draws it, not the initials tile.
        const ToolbarPicture* picture = FindToolbarPicture(b.button.commandId);
        ASSERT_NE(picture, nullptr) << b.Shown();
        std::ifstream file(folder / (std::string(picture->name) + ".svg"));
        ASSERT_TRUE(file) << picture->name;
        const std::string svg{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        const wxBitmap shown = item->GetBitmapFor(curveBar);
        ASSERT_TRUE(shown.IsOk()) << b.Shown();
        const int size = shown.GetWidth();
        EXPECT_EQ(size, curveBar->FromDIP(16)) << b.Shown();
        EXPECT_EQ(Pixels(shown.ConvertToImage()), Pixels(Render(svg.c_str(), size))) << b.Shown();
    }
    // The bar carries no button the table does not list.
    int shownButtons = 0;
    for (size_t i = 0; i < curveBar->GetToolCount(); ++i)
        shownButtons += curveBar->FindToolByIndex(static_cast<int>(i))->GetKind() != wxITEM_SEPARATOR;
    EXPECT_EQ(shownButtons, buttons);
    EXPECT_GT(buttons, 0);
}

}  // namespace
