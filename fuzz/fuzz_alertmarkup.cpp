// The alert markup over arbitrary bytes: the first line is the markup, each
// further line a parameter. Whatever the bytes, the alert gets at most three
// labels and a message within its 255 characters.
#include "ui/AlertMarkup.h"

#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    for (size_t at = 0; at <= bytes.size();) {
        const size_t end = std::min(bytes.find('\n', at), bytes.size());
        lines.push_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    const std::vector<std::string> parameters(lines.begin() + 1, lines.end());
    const SAlertContent content = AlertMarkup::Parse(lines[0], parameters);
    if (content.message.size() > AlertMarkup::kMaxMessageLength || content.buttonLabels.size() > 3)
        std::abort();
    for (const std::string& label : content.buttonLabels) {
        if (label.size() > AlertMarkup::kMaxMarkupLength)
            std::abort();
    }
    return 0;
}
