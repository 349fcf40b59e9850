#pragma once

#include "ui/MenuItem.h"

#include <string>
#include <string_view>
#include <vector>

// A menu script entry, "File?12;Open#O=3;-;Quit#Q=4": entries separated by ";",
// first the title with "?" and its help topic, then one entry per item. An
// item's label runs up to the first "#", "=" or "?"; "-" alone makes a
// separator; then, in any order, "#" and the shortcut character, "=" and the
// command number, "?" and the help topic.
struct SMenuScript {
    static constexpr size_t kMaxScriptLength = 3000;

    std::string title;
    int32_t helpTopic = 0;
    std::vector<CMenuItem> items;
};

// Reads at most the first 3000 characters. Labels are cut to 64 characters and
// empty entries are passed over, so a trailing ";" adds nothing. XBadFormat for
// a marker without its value, a number that is not a decimal 32-bit number,
// text after the markers, or more than 200 items.
SMenuScript ParseMenuScript(std::string_view script);
