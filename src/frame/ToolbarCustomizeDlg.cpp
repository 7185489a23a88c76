#include "frame/ToolbarCustomizeDlg.h"

#include "frame/ToolbarTable.h"

#include <wx/button.h>
#include <wx/checklst.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include <charconv>
#include <cstring>
#include <sstream>

namespace {

const ToolbarDefinition* FindBarByTitle(const char* title)
{
    for (const ToolbarDefinition& bar : DefaultToolbars()) {
        if (std::strcmp(bar.title, title) == 0)
            return &bar;
    }
    return nullptr;
}

const ToolbarDefinition* FindBarById(int barId)
{
    for (const ToolbarDefinition& bar : DefaultToolbars()) {
        if (bar.barId == barId)
            return &bar;
    }
    return nullptr;
}

// The image buttons of a bar: neither separators nor the group combo.
std::vector<ToolbarButton> ImageButtons(const ToolbarDefinition& bar)
{
    std::vector<ToolbarButton> buttons;
    for (const ToolbarButton& button : bar.buttons) {
        if (button.commandId != 0 && button.commandId != CMD_GROUP_COMBO)
            buttons.push_back(button);
    }
    return buttons;
}

}  // namespace

std::string FormatHiddenButtons(const std::set<int>& hidden)
{
    std::string stored;
    for (int commandId : hidden) {
        if (!stored.empty())
            stored += ',';
        stored += std::to_string(commandId);
    }
    return stored;
}

std::set<int> ParseHiddenButtons(const std::string& stored)
{
    std::set<int> hidden;
    std::istringstream in(stored);
    for (std::string item; std::getline(in, item, ',');) {
        int commandId = 0;
        const char* end = item.data() + item.size();
        if (const auto [at, error] = std::from_chars(item.data(), end, commandId); error == std::errc() && at == end)
            hidden.insert(commandId);
    }
    return hidden;
}

const std::vector<const char*>& CustomizableButtonGroups()
{
    static const std::vector<const char*> groups = {"File", "View", "Grid/Snap", "Active", "Point", "Curve", "Section"};
    return groups;
}

CToolbarCustomizeDlg::CToolbarCustomizeDlg(wxWindow* parent, const ToolbarChoice& current)
    : wxDialog(parent, wxID_ANY, "Customize Toolbar", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER)
{
    auto* pages = new wxNotebook(this, wxID_ANY);

    auto* barPage = new wxPanel(pages);
    bars_ = new wxCheckListBox(barPage, wxID_ANY);
    for (const ToolbarDefinition& bar : DefaultToolbars()) {
        const unsigned item = static_cast<unsigned>(bars_->Append(bar.title));
        const auto shown = current.barShown.find(bar.barId);
        bars_->Check(item, shown == current.barShown.end() || shown->second);
    }
    auto* restore = new wxButton(barPage, wxID_ANY, "Restore Defaults");
    restore->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { RestoreDefaults(); });
    auto* barSizer = new wxBoxSizer(wxVERTICAL);
    barSizer->Add(bars_, 1, wxEXPAND | wxALL, 8);
    barSizer->Add(restore, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    barPage->SetSizer(barSizer);
    pages->AddPage(barPage, "Toolbars");

    auto* buttonPage = new wxPanel(pages);
    auto* groups = new wxFlexGridSizer(4, 8, 8);
    for (const char* title : CustomizableButtonGroups()) {
        const ToolbarDefinition& bar = *FindBarByTitle(title);
        auto* box = new wxStaticBoxSizer(wxVERTICAL, buttonPage, title);
        auto* list = new wxCheckListBox(box->GetStaticBox(), wxID_ANY, wxDefaultPosition, wxSize(170, 150));
        for (const ToolbarButton& button : ImageButtons(bar)) {
            const unsigned item = static_cast<unsigned>(list->Append(button.tooltip));
            list->Check(item, !current.hiddenButtons.count(button.commandId));
        }
        box->Add(list, 1, wxEXPAND);
        groups->Add(box, 1, wxEXPAND);
        buttons_[bar.barId] = list;
    }
    auto* buttonSizer = new wxBoxSizer(wxVERTICAL);
    buttonSizer->Add(groups, 1, wxEXPAND | wxALL, 8);
    buttonPage->SetSizer(buttonSizer);
    pages->AddPage(buttonPage, "Commands");

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(pages, 1, wxEXPAND | wxALL, 8);
    sizer->Add(CreateSeparatedButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
    SetSizerAndFit(sizer);
    CentreOnParent();
}

void CToolbarCustomizeDlg::RestoreDefaults()
{
    for (unsigned item = 0; item < bars_->GetCount(); ++item)
        bars_->Check(item);
    for (const auto& [barId, list] : buttons_) {
        for (unsigned item = 0; item < list->GetCount(); ++item)
            list->Check(item);
    }
    restoreDefaultLayout_ = true;
}

ToolbarChoice CToolbarCustomizeDlg::Choice() const
{
    ToolbarChoice choice;
    const std::vector<ToolbarDefinition>& bars = DefaultToolbars();
    for (unsigned item = 0; item < bars.size(); ++item)
        choice.barShown[bars[item].barId] = bars_->IsChecked(item);
    for (const auto& [barId, list] : buttons_) {
        const std::vector<ToolbarButton> buttons = ImageButtons(*FindBarById(barId));
        for (unsigned item = 0; item < buttons.size(); ++item) {
            if (!list->IsChecked(item))
                choice.hiddenButtons.insert(buttons[item].commandId);
        }
    }
    choice.restoreDefaultLayout = restoreDefaultLayout_;
    return choice;
}
