#include "frame/SettingsFileText.h"

#include <algorithm>
#include <cwctype>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace {

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

// The bytes of the UTF-8 character that starts with the byte; 0 when none does.
std::size_t CharacterLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead < 0xE0)
        return 2;
    if (lead >= 0xE0 && lead < 0xF0)
        return 3;
    return lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
}

// The characters of a line of UTF-8 text; nothing when the bytes are no such
// text or hold a NUL.
std::optional<std::u32string> TextCharacters(std::string_view line)
{
    std::u32string characters;
    for (std::size_t at = 0; at < line.size();) {
        const auto lead = static_cast<unsigned char>(line[at]);
        const std::size_t length = CharacterLength(lead);
        if (length == 0 || at + length > line.size())
            return std::nullopt;
        char32_t character = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(line[at + i]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            character = (character << 6) | (next & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (character < least[length] || character > 0x10FFFF || (character >= 0xD800 && character < 0xE000))
            return std::nullopt;
        if (character == 0)
            return std::nullopt;
        characters.push_back(character);
        at += length;
    }
    return characters;
}

// The blanks the toolkit passes over before a line's first character and a
// value's: those of the C library, in the locale of the run.
bool IsSpace(char32_t character)
{
    return std::iswspace(static_cast<wint_t>(character)) != 0;
}

// The blanks the toolkit trims from the end of a key's name: ASCII ones only.
bool IsAsciiSpace(char32_t character)
{
    return character < 0x7F && IsSpace(character);
}

// A name as the toolkit compares names: escapes undone, case folded.
std::u32string FoldedName(const std::u32string& text)
{
    std::u32string name;
    for (std::size_t at = 0; at < text.size(); ++at) {
        // A lone escape at the end is dropped, as the toolkit drops it.
        if (text[at] == '\\' && ++at == text.size())
            break;
        name.push_back(static_cast<char32_t>(std::towlower(static_cast<wint_t>(text[at]))));
    }
    return name;
}

// Where the first unescaped `wanted` stands in the line from `from` on; at
// or past the line's end when none does. The same on a line's bytes as on its
// characters: no byte of a longer UTF-8 character is ASCII.
template <typename Character>
std::size_t UnescapedFind(std::basic_string_view<Character> line, std::size_t from, Character wanted)
{
    while (from < line.size() && line[from] != wanted)
        from += line[from] == '\\' ? 2 : 1;
    return from;
}

struct Header {
    // The group's path ("/a/b"), its parts' names folded.
    std::u32string group;
    // Words after the "]", which the toolkit passes over with a complaint.
    bool wordsAfter = false;
};

// The group a "[...]" line names; nothing when the line is no sound header:
// no closing bracket, no name, or a part that steps up or stays (".", "..").
std::optional<Header> HeaderGroup(const std::u32string& line)
{
    const std::size_t end = UnescapedFind<char32_t>(line, 1, ']');
    if (end >= line.size())
        return std::nullopt;
    Header header;
    for (std::size_t at = end + 1; at < line.size() && line[at] != ';' && line[at] != '#'; ++at) {
        if (line[at] != ' ' && line[at] != '\t') {
            header.wordsAfter = true;
            break;
        }
    }
    const std::u32string name = FoldedName(line.substr(1, end - 1));
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t slash = std::min(name.find('/', start), name.size());
        const std::u32string part = name.substr(start, slash - start);
        if (part == U"." || part == U"..")
            return std::nullopt;
        if (!part.empty())
            header.group += U"/" + part;
        start = slash + 1;
    }
    if (header.group.empty())
        return std::nullopt;
    return header;
}

// The key a "key=value" line names; nothing when the line has no "=", no
// name, a name the toolkit takes as not to be changed ("!"), or a value that
// ends in a lone escape or holds a stray quote.
std::optional<std::u32string> EntryKey(const std::u32string& line)
{
    const std::size_t equals = UnescapedFind<char32_t>(line, 0, '=');
    if (equals >= line.size())
        return std::nullopt;
    std::size_t keyEnd = equals;
    while (keyEnd > 0 && IsAsciiSpace(line[keyEnd - 1]))
        --keyEnd;
    const std::u32string key = FoldedName(line.substr(0, keyEnd));
    if (key.empty() || key[0] == '!')
        return std::nullopt;
    std::size_t valueStart = equals + 1;
    while (valueStart < line.size() && IsSpace(line[valueStart]))
        ++valueStart;
    const bool quoted = valueStart < line.size() && line[valueStart] == '"';
    for (std::size_t at = valueStart + (quoted ? 1 : 0); at < line.size(); ++at) {
        if (line[at] == '\\') {
            if (++at == line.size())
                return std::nullopt;
        } else if (quoted && line[at] == '"' && at + 1 != line.size()) {
            return std::nullopt;
        }
    }
    return key;
}

}  // namespace

SettingsFileText CheckedSettingsText(std::string_view bytes)
{
    SettingsFileText text;
    if (bytes.starts_with(BYTE_ORDER_MARK))
        bytes.remove_prefix(BYTE_ORDER_MARK.size());
    // The groups met, as paths ("/A/B"), and the keys met in each; the
    // root's path is empty.
    std::set<std::u32string> groups;
    std::set<std::pair<std::u32string, std::u32string>> keys;
    std::u32string group;
    bool inSoundGroup = true;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        const std::optional<std::u32string> characters = TextCharacters(line);
        if (!characters) {
            text.damaged = true;
            continue;
        }
        std::size_t first = 0;
        while (first < characters->size() && IsSpace((*characters)[first]))
            ++first;
        const std::u32string content = characters->substr(first);
        // Blank lines and comments are sound.
        bool sound = true;
        if (!content.empty() && content[0] == '[') {
            const std::optional<Header> header = HeaderGroup(content);
            inSoundGroup = header && groups.insert(header->group).second;
            sound = inSoundGroup;
            if (inSoundGroup) {
                group = header->group;
                // The group is read as the toolkit reads it; the words are
                // left out.
                if (header->wordsAfter) {
                    text.damaged = true;
                    line = line.substr(0, UnescapedFind<char>(line, line.find('[') + 1, ']') + 1);
                }
            }
        } else if (!content.empty() && content[0] != ';' && content[0] != '#') {
            const std::optional<std::u32string> key = EntryKey(content);
            sound = inSoundGroup && key && keys.emplace(group, *key).second;
        }
        if (sound)
            text.sound.append(line).append("\n");
        else
            text.damaged = true;
    }
    // A first sound line that starts with a mark, after more marks or after
    // lines dropped before it, would lose it to the toolkit.
    text.sound = WithFirstLineMarkKept(std::move(text.sound));
    return text;
}

std::string WithFirstLineMarkKept(std::string text)
{
    if (text.starts_with(BYTE_ORDER_MARK))
        text.insert(0, BYTE_ORDER_MARK);
    return text;
}
