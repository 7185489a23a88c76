// Property > List and the Material button before their tool hooks.

#include "frame/ResultCommands.h"
#include "model/SectModel.h"
#include "support/ScriptedUserPorts.h"

#include <gtest/gtest.h>

namespace {

void AddSection(CSectModel& model, int id, bool calculated)
{
    auto section = std::make_unique<T_SECTION_D>();
    section->id = id;
    section->propertiesCalculated = calculated;
    model.m_sections[id] = std::move(section);
}

TEST(ResultCommands, PropertyListNamesWhatIsMissingOrRunsTheResultList)
{
    const std::string noSection = "No section exists.";
    const std::string noneCalculated = "No section has the calculated properties.\n\nCalculate the sectional "
                                       "properties using [Properties]-[Calculate].";
    const struct {
        const char* name;
        std::vector<bool> sections;  // calculated flags
        std::vector<std::string> boxes;
        int listRuns;
    } cases[] = {
        {"no section", {}, {noSection}, 0},
        {"none calculated", {false, false}, {noneCalculated}, 0},
        {"one of two calculated", {false, true}, {}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CSectModel model;
        for (size_t i = 0; i < c.sections.size(); ++i)
            AddSection(model, static_cast<int>(i) + 1, c.sections[i]);
        ScriptedUserPorts user;
        int runs = 0;
        RunPropertyList(model, user, [&runs](const ToolCommandContext&) { ++runs; }, ToolCommandContext{});
        EXPECT_EQ(user.BoxTexts(), c.boxes);
        EXPECT_EQ(runs, c.listRuns);
        // Without its hook the list shows nothing, and nothing fails.
        RunPropertyList(model, user, ToolCommandHandler{}, ToolCommandContext{});
    }
}

TEST(ResultCommands, TheMaterialButtonRunsItsHookWhenFilled)
{
    int runs = 0;
    RunMaterialList([&runs](const ToolCommandContext&) { ++runs; }, ToolCommandContext{});
    RunMaterialList(ToolCommandHandler{}, ToolCommandContext{});
    EXPECT_EQ(runs, 1);
}

}  // namespace
