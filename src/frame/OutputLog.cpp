#include "frame/OutputLog.h"

#include <algorithm>

int OutputLog::LineCount() const
{
    return 1 + static_cast<int>(std::count(text_.begin(), text_.end(), '\n'));
}

OutputEdit OutputLog::Insert(const std::string& text, bool append)
{
    OutputEdit edit;
    const int linesBefore = LineCount();
    edit.inserted = "\n" + text;
    if (!append) {
        const std::size_t cut = std::min(lastMessageLength_, text_.size());
        edit.removedTail = text_.substr(text_.size() - cut);
        text_.resize(text_.size() - cut);
    }
    text_ += edit.inserted;
    if (linesBefore > MAX_LINES) {
        std::size_t end = 0;
        for (int line = 0; line < DROPPED_LINES && end != std::string::npos; ++line) {
            end = text_.find('\n', end);
            if (end != std::string::npos)
                ++end;
        }
        if (end == std::string::npos)
            end = text_.size();
        edit.removedHead = text_.substr(0, end);
        text_.erase(0, end);
    }
    lastMessageLength_ = edit.inserted.size();
    return edit;
}

OutputEdit OutputLog::AddMessage(const std::string& text)
{
    OutputEdit edit = Insert(text, true);
    justAppended_ = true;
    return edit;
}

OutputEdit OutputLog::ReplaceLastMessage(const std::string& text)
{
    justAppended_ = false;
    return Insert(text, false);
}

void OutputLog::Clear()
{
    text_.clear();
    lastMessageLength_ = 0;
    justAppended_ = true;
}
