#include "frame/SettingsFile.h"

#include "frame/SettingsFileText.h"
#include "model/TextFormat.h"

#include <wx/fileconf.h>
#include <wx/sstream.h>

#include <fstream>
#include <iterator>

namespace {

// Settings from the text, written nowhere.
std::unique_ptr<wxConfigBase> SettingsForThisRun(const std::string& text)
{
    wxStringInputStream stream(wxString::FromUTF8(text));
    return std::make_unique<wxFileConfig>(stream);
}

bool WriteWhole(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    return !file.fail();
}

}  // namespace

OpenedSettings OpenSettingsFile(const std::filesystem::path& path)
{
    OpenedSettings opened;
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        opened.config = SettingsForThisRun("");
        opened.note = FormatText("The settings file %s is a folder: the settings of this run are not kept.",
                                 path.c_str());
        return opened;
    }
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    file.close();
    const SettingsFileText text = CheckedSettingsText(bytes);
    if (text.damaged) {
        const std::filesystem::path copy = path.string() + ".damaged";
        const bool kept =
            std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing, error);
        if (kept)
            opened.note = FormatText("The settings file %s could not be read cleanly: it is kept as %s, and what could "
                                     "be read is used.",
                                     path.c_str(), copy.c_str());
        else
            opened.note = FormatText("The settings file %s could not be read cleanly, nor kept aside: what could be "
                                     "read is used this run.",
                                     path.c_str());
        // Never the damaged text for the toolkit, which asserts on it.
        if (!kept || !WriteWhole(path, text.sound)) {
            opened.config = SettingsForThisRun(text.sound);
            return opened;
        }
    }
    opened.config = std::make_unique<wxFileConfig>("Tarvo", "Tarvo", wxString::FromUTF8(path.string()), wxEmptyString,
                                                   wxCONFIG_USE_LOCAL_FILE | wxCONFIG_USE_GLOBAL_FILE);
    return opened;
}
