#include "ui/CommandLineReader.h"

namespace {

// The end of the longest prefix of `text` from `start` that exists, or npos.
size_t FindLongestExisting(std::string_view text, size_t start,
                           const std::function<bool(const std::string&)>& exists)
{
    for (size_t end = text.size();; --end) {
        if ((end == text.size() || text[end] == ' ') && exists(std::string(text.substr(start, end - start))))
            return end;
        if (end == start)
            return std::string_view::npos;
    }
}

} // namespace

std::string ReadCommandLinePaths(std::string_view text, const std::function<bool(const std::string&)>& exists,
                                 const std::function<void(const std::string&)>& open)
{
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = FindLongestExisting(text, start, exists);
        if (end == std::string_view::npos)
            break;
        open(std::string(text.substr(start, end - start)));
        start = end < text.size() ? end + 1 : end;
    }
    return std::string(text.substr(start));
}

std::string AbbreviateForAlert(const std::string& text)
{
    constexpr size_t kShortLimit = 64;
    constexpr size_t kKeptTail = 61;
    if (text.size() < kShortLimit)
        return text;
    return "..." + text.substr(text.size() - kKeptTail);
}
