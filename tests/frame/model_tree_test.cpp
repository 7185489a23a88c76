// The "Model" tab's tree as its table: every item's text, level, order and
// item data.

#include "frame/ModelMenuTab.h"
#include "frame/ToolbarTable.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// The tree, one item a line: indentation by level, then the text, then the
// item data after a bar.
const char* const EXPECTED_TREE = R"(Point|0
  Create|1
    Coordinate|32825
    Ratio on Curve|32829
    Interpolating on Curve|32820
    Ratio btwn 2 Pts|32831
    Interpolating btwn 2 Pts|32832
  Translate|32833
  Rotate|32834
  Mirror|32835
  Equalize|32828
  Delete|32836
  Pick|32826
  Query|32827
Curve|0
  Create|1
    Line|32839
    Polyline|32840
    Shortest Path Line|32856
    Rectangle|32855
    Circle|32843
    Arc|32844
    Ellipse|32852
    Quadratic Curve|32849
    Cubic Curve|32850
    Bezier Curve|32841
    Convert Curve-Width|32884
  Closed Loop|1
    Register|32880
    Unregister|32881
  Translate|32853
  Rotate|32854
  Mirror|32859
  Intersect|32846
  Fillet|32837
  Extend|32838
  Merge|32842
  Split|32848
  Reverse|32847
  Delete|32860
  Scale Line|32886
  Change Width|32882
  Pick|32857
  Query|32858
Section|0
  Generate|32813
  Redefine|32814
  Translate|32821
  Rotate|32822
  Delete|32816
  Arrange|32824
  Domain State|32815
  Domain Material|32819
  Export|32823
  Pick|32818
  Query|32817
)";

}  // namespace

TEST(ModelTree, TheItemsTextsLevelsOrderAndDataAreTheTreesOfTheModellingCommands)
{
    std::ostringstream tree;
    for (const ModelTreeItem& item : ModelTreeItems())
        tree << std::string(static_cast<size_t>(item.level) * 2, ' ') << item.text << '|' << item.itemData << '\n';
    EXPECT_EQ(tree.str(), EXPECTED_TREE);
}

TEST(ModelTree, RegisterSendsItsCommandUnderTheToolbarsWxId)
{
    for (const ModelTreeItem& item : ModelTreeItems()) {
        if (std::string(item.text) == "Register") {
            EXPECT_EQ(item.itemData, 32880);
            EXPECT_EQ(WxCommandId(item.itemData), 6112);
        }
    }
}
