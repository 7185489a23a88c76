#pragma once
// The texts and positions of the view's labels, for the shown entities only.
// Drawing them is the text layer's; failed look-ups go to the scene's
// once-per-rebuild output line and leave the label out.

#include <string>
#include <vector>

class CScene;

// Label fonts of the text layer.
enum LabelFont { LABEL_FONT_NORMAL = 0, LABEL_FONT_MATERIAL = 1 };

struct ViewLabel {
    std::string text;
    double x = 0.0;  // current-UCS drawing coordinates
    double y = 0.0;
    int font = LABEL_FONT_NORMAL;
    bool bold = false;     // section names
    bool stacked = false;  // lines at one point stand one under another
};

// Which calculated values the property labels show, in the order A, Asx, Asy,
// Ixx, Iyy, Ixy, J.
constexpr int PROPERTY_LABEL_COUNT = 7;
struct PropertyLabelSwitches {
    bool show[PROPERTY_LABEL_COUNT] = {false, false, false, false, false, false, false};
};

std::vector<ViewLabel> PointLabels(CScene& scene);
std::vector<ViewLabel> CurveLabels(CScene& scene);
std::vector<ViewLabel> ClosedLoopLabels(CScene& scene);
std::vector<ViewLabel> SectionNameLabels(CScene& scene);
std::vector<ViewLabel> MaterialLabels(CScene& scene);
std::vector<ViewLabel> PropertyLabels(CScene& scene, const PropertyLabelSwitches& switches);
