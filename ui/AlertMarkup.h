#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The alert box's one-line bracket markup, read without a window:
//   "[STOP]Not enough memory to complete operation![OK]"
// six characters of icon prefix, the message up to the first "[", then one to
// three button labels, each "[" label "]".

// The icon view's kinds. No prefix selects kExclamation; the save-before-close
// dialog uses it.
enum class EIconKind : int32_t { kStop = 10, kNote = 11, kExclamation = 12, kNone = 13 };

struct SAlertContent {
    EIconKind icon = EIconKind::kNone;
    // Parameters already put in; a carriage return inside breaks the line.
    std::string message;
    // In button order: [0] is the first (default) button, which carries the
    // markup's LAST label, so the labels read right to left on screen.
    std::vector<std::string> buttonLabels;
};

namespace AlertMarkup {

constexpr size_t kMaxMarkupLength = 255;
constexpr size_t kMaxMessageLength = 255;
constexpr size_t kMaxParameterLength = 64;
constexpr size_t kMaxParameters = 4;
constexpr size_t kMaxButtons = 3;
constexpr size_t kPrefixLength = 6;

// "[STOP]" stop, "[NOTE]" note; any other first six characters, however short
// the markup, mean no icon.
EIconKind IconKindOf(std::string_view markup);

// Character 7 up to the first "[" (or the end), with carriage returns and line
// feeds stripped at both ends.
std::string ExtractMessage(std::string_view markup);

// For each parameter i in index order, the first "^i" of the message is replaced
// by parameters[i]; a later "^i", or one that a parameter brought in for an
// index already handled, stays. The result is cut at kMaxMessageLength.
std::string ReplaceParameters(std::string message, const std::vector<std::string>& parameters);

// The number of "[" in the whole markup minus the prefix's one, at most three:
// markup with no "[" at all, or only the prefix's, has no buttons; from four
// labels on, the first ones are ignored.
size_t CountButtons(std::string_view markup);

// The labels of the buttons, first button first: the text after each of the last
// CountButtons "[" up to the next "]" (or the end of the markup).
std::vector<std::string> ButtonLabels(std::string_view markup);

// Everything above for a markup that the alert box already cut to
// kMaxMarkupLength. Never fails: malformed markup gives the alert the rules say.
SAlertContent Parse(std::string_view markup, const std::vector<std::string>& parameters);

} // namespace AlertMarkup
