#pragma once
// The Group and UCS pages without a display: a page's registered table run by
// its controller over the fake view, a recording document that also runs the
// group and UCS commands on its model (so the lists follow), the scripted
// user, toolbar group combos whose refills join the document's call log, and
// a save-file chooser answering from a queue.

#include "frame/TarvokrtDoc.h"
#include "frame/ToolRegistry.h"
#include "frame/ToolPageContext.h"
#include "frame/ToolPageController.h"
#include "view/ViewPorts.h"
#include "view/support/FakeToolView.h"
#include "view/support/RecordingToolDocument.h"
#include "tools/ToolRegistration.h"
#include "view/support/TestToolPage.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

using Calls = std::vector<std::string>;

class ModelRecordingDocument : public RecordingToolDocument {
public:
    bool CreateGroup(const std::string& name) override
    {
        RecordingToolDocument::CreateGroup(name);
        return model.CreateGroup(name);
    }
    bool DeleteGroup(const std::string& name) override
    {
        RecordingToolDocument::DeleteGroup(name);
        return model.DeleteGroup(name);
    }
    bool RenameGroup(const std::string& name, const std::string& newName) override
    {
        RecordingToolDocument::RenameGroup(name, newName);
        return model.RenameGroup(name, newName);
    }
    bool MergeGroups(const std::string& from, const std::string& to, bool deleteFrom) override
    {
        RecordingToolDocument::MergeGroups(from, to, deleteFrom);
        return model.MergeGroups(from, to, deleteFrom);
    }
    bool AddToGroup(const std::string& name, const std::vector<int>& sections, const std::vector<int>& curves,
                    const std::vector<int>& points) override
    {
        RecordingToolDocument::AddToGroup(name, sections, curves, points);
        return model.AddToGroup(name, sections, curves, points, true);
    }
    bool CreateUcs(int way, const std::string& name, const double origin[2], double angle, const double p1[2],
                   const double p2[2]) override
    {
        RecordingToolDocument::CreateUcs(way, name, origin, angle, p1, p2);
        return model.CreateUcs(way, name, origin, angle, p1, p2);
    }
    bool DeleteUcs(int id) override
    {
        RecordingToolDocument::DeleteUcs(id);
        return model.DeleteUcs(id);
    }
    T_UCS_D* SetCurrentUcs(int id) override
    {
        RecordingToolDocument::SetCurrentUcs(id);
        return model.SetCurrentUcs(id);
    }
};

// Each refill is logged as a call of the document.
class LoggedGroupCombos : public IGroupCombos {
public:
    explicit LoggedGroupCombos(Calls& log) : log_(log) {}
    void ResetGroupCombos() override { log_.push_back("ResetGroupCombos"); }
    void RefreshGroupCombos() override { log_.push_back("RefreshGroupCombos"); }

private:
    Calls& log_;
};

struct SaveFileChooser : IDocumentPrompts {
    SaveAnswer AskSaveChanges(const std::string&) override { return SaveAnswer::Cancel; }
    std::string AskSavePath(const std::string&) override { return std::string(); }
    std::vector<std::string> AskOpenFiles(const std::string&, const std::string&) override { return {}; }
    // Logged as "filter|default extension|offered name"; answers the next
    // queued path (a cancel when none is queued).
    std::string AskSaveFile(const std::string&, const std::string& filter, const std::string& extension,
                            const std::string& offered) override
    {
        asked.push_back(filter + "|" + extension + "|" + offered);
        if (paths.empty())
            return std::string();
        const std::string path = paths.front();
        paths.pop_front();
        return path;
    }
    std::vector<std::string> asked;
    std::deque<std::string> paths;
};

template <class Tool, ToolPageKind Kind>
class ToolPageFixture : public testing::Test {
protected:
    ToolPageFixture() { controller.SetWindow(&window); }

    // Shows the row as a choice in the page's combo does.
    void Show(int row) { controller.OnSelChangeCommand(row); }
    // Hides the shown row (for the separator) and shows the row again.
    void ShowAgain(int row, int separator)
    {
        Show(separator);
        Show(row);
    }
    // Apply, with the records of what it did only.
    void Apply()
    {
        document.calls.clear();
        document.user.ClearRecords();
        view.ClearCalls();
        controller.OnApply();
    }
    Calls Boxes() const { return document.user.BoxTexts(); }
    // The model's preparation leaves no records.
    void Settle()
    {
        document.calls.clear();
        document.user.ClearRecords();
        view.ClearCalls();
    }

    Tool tool;
    FakeToolView view;
    ModelRecordingDocument document;
    LoggedGroupCombos combos{document.calls};
    SaveFileChooser chooser;
    ToolPageContext context{&view, &document, &document.user, &chooser, &combos, {}};
    std::vector<std::string> pageLog;
    RecordingPageWindow window{pageLog};
    CToolPageController controller{ShellOf(Kind), tool.Table(), context};
};

// A page as the program registers it, with its refresh hook, over the fake
// view and the model-running document.
struct RegisteredPage {
    explicit RegisteredPage(ToolPageKind kind)
    {
        RegisterTools(registry);
        controller = std::make_unique<CToolPageController>(ShellOf(kind), registry.Page(kind), context);
    }
    // The form of the page's row.
    template <class Form>
    Form& FormOf(int row)
    {
        return static_cast<Form&>(*registry.Page(controller->Shell().kind).rows.at(row).dialog.form);
    }

    CToolRegistry registry;
    FakeToolView view;
    ModelRecordingDocument document;
    ToolPageContext context{&view, &document, &document.user, nullptr, nullptr, {}};
    std::unique_ptr<CToolPageController> controller;
};
