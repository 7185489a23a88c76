#include "frame/SettingsFile.h"

#include "frame/SettingsFileAccess.h"
#include "frame/SettingsFileText.h"
#include "model/TextFormat.h"

#include <wx/fileconf.h>
#include <wx/mstream.h>

#include <optional>
#include <utility>

namespace {

// The toolkit reads settings from a stream handed to it by reference.
wxInputStream& Held(wxInputStream&& stream)
{
    return stream;
}

// The settings file as a note names it: with the file it leads to when it
// is a link, where a write goes.
std::string NamedWithItsLink(const std::filesystem::path& path)
{
    const std::filesystem::path file = LinkedFile(path);
    return file == path ? path.string() : path.string() + ", a link to " + file.string() + ",";
}

// Settings read from a sound text; written, when they are written at all, to
// the settings file by Flush, never by the toolkit.
class SettingsFileConfig final : public wxFileConfig {
public:
    // Without a path the settings are this run's only.
    SettingsFileConfig(const std::string& text, std::optional<std::filesystem::path> path)
        : wxFileConfig(Held(wxMemoryInputStream(text.data(), text.size()))), path_(std::move(path)), written_(text)
    {
        // Values read back as they were written: a file name holding a
        // dollar sign is no variable of the environment.
        SetExpandEnvVars(false);
    }

    ~SettingsFileConfig() override { Flush(); }

    bool Flush(bool = false) override
    {
        if (!path_)
            return true;
        wxMemoryOutputStream stream;
        Save(stream);
        std::string text(stream.GetLength(), '\0');
        stream.CopyTo(text.data(), text.size());
        // Read again as it was read now.
        text = WithFirstLineMarkKept(std::move(text));
        if (text == written_)
            return true;
        if (const std::optional<std::string> failure = ReplaceFileBytes(*path_, text)) {
            writeNote_ = FormatText("The settings file %s cannot be written (%s): the settings of this run are not "
                                    "kept.",
                                    NamedWithItsLink(*path_).c_str(), failure->c_str());
            path_.reset();
            return false;
        }
        written_ = std::move(text);
        return true;
    }

    std::string TakeWriteNote() { return std::exchange(writeNote_, std::string()); }

private:
    std::optional<std::filesystem::path> path_;
    // What the file holds, as far as this run knows.
    std::string written_;
    std::string writeNote_;
};

OpenedSettings ForThisRun(const std::string& text, std::string note)
{
    return {std::make_unique<SettingsFileConfig>(text, std::nullopt), std::move(note)};
}

}  // namespace

OpenedSettings OpenSettingsFile(const std::filesystem::path& path)
{
    const SettingsFileBytes file = ReadSettingsFileBytes(path);
    switch (file.kind) {
    case SettingsFileKind::Absent: return {std::make_unique<SettingsFileConfig>("", path), {}};
    case SettingsFileKind::Folder:
        return ForThisRun("", FormatText("The settings file %s is a folder: the settings of this run are not kept.",
                                         path.c_str()));
    case SettingsFileKind::NotRegular:
        return ForThisRun("", FormatText("The settings file %s is not a regular file: the settings of this run are "
                                         "not kept.",
                                         path.c_str()));
    case SettingsFileKind::TooLarge:
        return ForThisRun("", FormatText("The settings file %s is larger than %zu bytes: the settings of this run are "
                                         "not kept.",
                                         path.c_str(), MAX_SETTINGS_FILE_BYTES));
    case SettingsFileKind::Unreadable:
        return ForThisRun("", FormatText("The settings file %s cannot be read (%s): the settings of this run are not "
                                         "kept.",
                                         path.c_str(), file.reason.c_str()));
    case SettingsFileKind::Read: break;
    }
    const SettingsFileText text = CheckedSettingsText(file.bytes);
    if (!text.damaged)
        return {std::make_unique<SettingsFileConfig>(text.sound, path), {}};
    const std::optional<std::filesystem::path> copy = KeepBytesAside(path, file.bytes);
    if (!copy) {
        return ForThisRun(text.sound, FormatText("The settings file %s could not be read cleanly, nor kept aside: what "
                                                 "could be read is used this run.",
                                                 path.c_str()));
    }
    std::string note = FormatText("The settings file %s could not be read cleanly: it is kept as %s, and what could "
                                  "be read is used.",
                                  path.c_str(), copy->c_str());
    // Never the damaged text for the toolkit, which asserts on it.
    if (const std::optional<std::string> failure = ReplaceFileBytes(path, text.sound)) {
        note += FormatText(" It cannot be written (%s): the settings of this run are not kept.", failure->c_str());
        return ForThisRun(text.sound, std::move(note));
    }
    return {std::make_unique<SettingsFileConfig>(text.sound, path), std::move(note)};
}

std::string TakeSettingsWriteNote()
{
    auto* settings = dynamic_cast<SettingsFileConfig*>(wxConfigBase::Get(false));
    return settings ? settings->TakeWriteNote() : std::string();
}
