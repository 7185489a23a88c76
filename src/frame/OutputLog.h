#pragma once
// The text of the output window without the window: every message starts with
// a line break (so the first line stays empty), the last message can be
// replaced (progress lines), and past the line limit the oldest lines go in
// one block.

#include <string>

// What one insertion did to the text, so a text control can follow it
// without being refilled.
struct OutputEdit {
    std::string removedHead;  // cut from the start of the text
    std::string removedTail;  // cut from the end before the insertion
    std::string inserted;     // appended at the end
};

class OutputLog {
public:
    static constexpr int MAX_LINES = 4000;
    static constexpr int DROPPED_LINES = 100;

    OutputEdit AddMessage(const std::string& text);
    OutputEdit ReplaceLastMessage(const std::string& text);
    void Clear();

    const std::string& Text() const { return text_; }
    // Lines of the text; an empty log has one empty line, as a text control.
    int LineCount() const;
    // True from every append until the first replacement after it.
    bool JustAppended() const { return justAppended_; }

private:
    OutputEdit Insert(const std::string& text, bool append);

    std::string text_;
    std::size_t lastMessageLength_ = 0;  // its leading line break included
    bool justAppended_ = true;
};
