#include "ui/AlertMarkup.h"

#include <algorithm>

namespace AlertMarkup {

namespace {

bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

std::string Placeholder(size_t index)
{
    return "^" + std::to_string(index);
}

} // namespace

EIconKind IconKindOf(std::string_view markup)
{
    const std::string_view prefix = markup.substr(0, kPrefixLength);
    if (prefix == "[STOP]")
        return EIconKind::kStop;
    if (prefix == "[NOTE]")
        return EIconKind::kNote;
    return EIconKind::kNone;
}

std::string ExtractMessage(std::string_view markup)
{
    if (markup.size() <= kPrefixLength)
        return {};
    std::string_view message = markup.substr(kPrefixLength);
    message = message.substr(0, message.find('['));
    while (!message.empty() && IsLineBreak(message.front()))
        message.remove_prefix(1);
    while (!message.empty() && IsLineBreak(message.back()))
        message.remove_suffix(1);
    return std::string(message);
}

std::string ReplaceParameters(std::string message, const std::vector<std::string>& parameters)
{
    const size_t count = std::min(parameters.size(), kMaxParameters);
    for (size_t i = 0; i < count; ++i) {
        const std::string placeholder = Placeholder(i);
        const size_t at = message.find(placeholder);
        if (at != std::string::npos)
            message.replace(at, placeholder.size(), parameters[i].substr(0, kMaxParameterLength));
    }
    if (message.size() > kMaxMessageLength)
        message.resize(kMaxMessageLength);
    return message;
}

size_t CountButtons(std::string_view markup)
{
    const size_t brackets = static_cast<size_t>(std::count(markup.begin(), markup.end(), '['));
    return brackets == 0 ? 0 : std::min(brackets - 1, kMaxButtons);
}

std::vector<std::string> ButtonLabels(std::string_view markup)
{
    std::vector<std::string> labels;
    size_t end = markup.size();
    while (labels.size() < CountButtons(markup)) {
        const size_t open = markup.rfind('[', end == 0 ? 0 : end - 1);
        const std::string_view rest = markup.substr(open + 1);
        labels.emplace_back(rest.substr(0, rest.find(']')));
        end = open;
    }
    return labels;
}

SAlertContent Parse(std::string_view markup, const std::vector<std::string>& parameters)
{
    markup = markup.substr(0, kMaxMarkupLength);
    SAlertContent content;
    content.icon = IconKindOf(markup);
    content.message = ReplaceParameters(ExtractMessage(markup), parameters);
    content.buttonLabels = ButtonLabels(markup);
    return content;
}

} // namespace AlertMarkup
