#pragma once
// The Section page without a display: its real table and forms over the
// recording document, the fake view and the scripted user. The commands the
// page sends and the view's calls share one log (view.calls), so their order
// shows.

#include "frame/TarvokrtDoc.h"
#include "frame/ToolPageContext.h"
#include "frame/ToolPageController.h"
#include "tools/SectTool.h"
#include "view/ViewPorts.h"
#include "view/support/FakeToolView.h"
#include "view/support/RecordingToolDocument.h"
#include "view/support/TestToolPage.h"

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

struct CountingGroupCombos : IGroupCombos {
    void ResetGroupCombos() override {}
    void RefreshGroupCombos() override { ++refreshes; }
    int refreshes = 0;
};

// Answers the save-file chooser with the queued paths and records each
// request as "title|filter|extension|offered name".
struct ScriptedFileChooser : IDocumentPrompts {
    SaveAnswer AskSaveChanges(const std::string&) override { return SaveAnswer::No; }
    std::string AskSavePath(const std::string&) override { return {}; }
    std::string AskSaveFile(const std::string& title, const std::string& filter, const std::string& extension,
                            const std::string& offeredName) override
    {
        requests.push_back(title + "|" + filter + "|" + extension + "|" + offeredName);
        if (paths.empty())
            return {};
        std::string path = paths.front();
        paths.pop_front();
        return path;
    }
    std::vector<std::string> AskOpenFiles(const std::string&, const std::string&) override { return {}; }
    std::deque<std::string> paths;
    std::vector<std::string> requests;
};

// Tool ids of the page's rows.
enum SectToolId {
    GENERATE = 3000,
    REDEFINE = 3001,
    TRANSLATE = 3003,
    ROTATE = 3004,
    DELETE_SECTION = 3005,
    ARRANGE = 3006,
    DOMAIN_STATE = 3008,
    DOMAIN_MATERIAL = 3009,
    EXPORT = 3011,
    PICK = 3013,
    QUERY = 3014,
};

class SectPage : public testing::Test {
protected:
    SectPage() { page.SetWindow(&window); }

    void Show(int toolId) { page.SelectCommand(toolId); }
    // Selects the keys as clicks would, then forgets the calls so far.
    void Select(std::initializer_list<int> keys)
    {
        for (int key : keys)
            view.SelectKeyAsClick(key);
        view.ClearCalls();
    }
    void Activate(std::initializer_list<int> sectionIds)
    {
        for (int id : sectionIds)
            view.scene.m_active[KIND_SECTION].insert(SectionKey(id));
    }
    // Apply with the records of earlier steps forgotten.
    void Apply()
    {
        view.ClearCalls();
        document.calls.clear();
        document.user.ClearRecords();
        page.OnApply();
    }
    std::vector<std::string> Boxes() const { return document.user.BoxTexts(); }
    const std::set<int>& Selected(SceneKind kind) const { return view.scene.m_selection[kind]; }
    // A section of the model with this many domains.
    void AddSection(int id, int type, int domainCount, const std::string& name = "S")
    {
        auto section = std::make_unique<T_SECTION_D>();
        section->id = id;
        section->type = type;
        section->name = name;
        for (int d = 1; d <= domainCount; ++d) {
            auto domain = std::make_unique<T_DOMAIN_D>();
            domain->id = d;
            section->domains[d] = std::move(domain);
        }
        document.model.m_sections[id] = std::move(section);
    }
    void AddMaterial(int id, const std::string& name)
    {
        auto material = std::make_unique<T_MATERIAL_D>();
        material->id = id;
        material->name = name;
        document.model.m_materials[id] = std::move(material);
    }

    RecordingToolDocument document;
    FakeToolView view;
    CountingGroupCombos combos;
    ScriptedFileChooser chooser;
    ToolPageContext context{&view, &document, &document.user, &chooser, &combos,
                            [this](int commandId) { view.calls.push_back("command " + std::to_string(commandId)); }};
    std::shared_ptr<CSectTool> tool = std::make_shared<CSectTool>();
    ToolPageTable table = tool->Table(tool);
    std::vector<std::string> windowLog;
    RecordingPageWindow window{windowLog};
    CToolPageController page{ShellOf(ToolPageKind::Section), table, context};
};
