#pragma once
// Sections drawn from curves, the document's window played by a script, and
// the checks shared by the sectional-property tests.

#include <cmath>
#include <string>
#include <vector>

#include "calc/DocumentHost.h"
#include "sections/SectionTestSupport.h"
#include "support/FoundRecord.h"

// Records what the document asked of its window; answers the pause dialog
// from a queue ("Continue" when it runs dry) and never really waits.
class ScriptedDocumentHost : public IDocumentHost {
public:
    void RedrawAllViews() override { events.push_back("redraw"); }
    void RepaintMainWindow() override { events.push_back("repaint"); }
    void OnModelChanged() override { events.push_back("changed"); }
    int AskCalcPause(const std::string& text, bool lastSection) override
    {
        pauses.push_back({text, lastSection});
        busyAtPause.push_back(busyFlag ? *busyFlag : -1);
        if (pauseChoices.empty())
            return PAUSE_CONTINUE;
        const int choice = pauseChoices.front();
        pauseChoices.erase(pauseChoices.begin());
        return choice;
    }
    double ProcessorSeconds() override { return 0.0; }
    void HoldMilliseconds(int milliseconds) override { holds.push_back(milliseconds); }

    struct Pause {
        std::string text;
        bool last;
    };
    std::vector<std::string> events;
    std::vector<Pause> pauses;
    std::vector<int> pauseChoices;
    std::vector<int> holds;
    const int* busyFlag = nullptr;  // the document's flag, read while the dialog shows
    std::vector<int> busyAtPause;
};

inline bool IsNear(double value, double expected, double relative)
{
    return std::fabs(value - expected) <= relative * std::fabs(expected);
}

class PropsTest : public SectionTest {
protected:
    // Poisson's ratio as small as the material commands allow.
    static constexpr double kNearZeroPoisson = 1e-6;

    void AddSteel(int id = 1, double modulus = 2.0e5)
    {
        ASSERT_TRUE(model.CreateMaterial(id, "M" + std::to_string(id), modulus, kNearZeroPoisson));
    }

    // A regular polygon of n two-point lines, circumradius r, centred on (cx, cy).
    std::vector<int> DrawPolygonOfLines(double cx, double cy, double r, int n)
    {
        std::vector<int> ids;
        for (int k = 0; k < n; ++k) {
            const double a0 = 2.0 * std::numbers::pi * k / n, a1 = 2.0 * std::numbers::pi * (k + 1) / n;
            ids.push_back(Draw({{cx + r * std::cos(a0), cy + r * std::sin(a0)},
                                {cx + r * std::cos(a1), cy + r * std::sin(a1)}}));
        }
        return ids;
    }

    // A needle 100 long and 0.02 across at its base, under a tolerance of
    // 0.001: no wall runs along it (its long sides meet at the tip), and the
    // tip makes flat elements that the quality check refuses at every level.
    std::vector<int> DrawNeedle()
    {
        model.SetTolerance(0.001);
        return {Draw({{0, 0}, {100, 0}}), Draw({{100, 0}, {100, 0.02}}), Draw({{100, 0.02}, {0, 0}})};
    }

    void SetDomainMaterials(int sectionId, int materialId)
    {
        for (auto& [id, domain] : FoundRecord(model.FindSection(sectionId), "section", sectionId).domains)
            domain->materialId = materialId;
    }

    const double* Results(int sectionId) const
    {
        return FoundRecord(model.FindSection(sectionId), "section", sectionId).results;
    }

    PropsTest() { host.busyFlag = &busy; }

    ScriptedDocumentHost host;
    int busy = 0;
    DocumentContext document{model, host, busy};
};
