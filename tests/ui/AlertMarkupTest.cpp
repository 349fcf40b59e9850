#include "ui/AlertMarkup.h"
#include "ui/AlertPlacement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Labels = std::vector<std::string>;

namespace {

struct SMarkupCase {
    const char* markup;
    EIconKind icon;
    const char* message;
    Labels labels; // first button first
};

template <size_t N>
void ExpectParsed(const SMarkupCase (&cases)[N])
{
    for (const SMarkupCase& c : cases) {
        const SAlertContent content = AlertMarkup::Parse(c.markup, {});
        EXPECT_EQ(content.icon, c.icon) << c.markup;
        EXPECT_EQ(content.message, c.message) << c.markup;
        EXPECT_EQ(content.buttonLabels, c.labels) << c.markup;
    }
}

} // namespace

TEST(AlertMarkup, IconMessageAndButtonsOfTheFrameworksAlerts)
{
    const SMarkupCase cases[] = {
        {"[STOP]Not enough memory to complete operation![OK]", EIconKind::kStop,
         "Not enough memory to complete operation!", {"OK"}},
        {"[NOTE]This will overwrite your entire Song - all knob and button automation will be cleared."
         "[Cancel][Initialize]",
         EIconKind::kNote,
         "This will overwrite your entire Song - all knob and button automation will be cleared.",
         {"Initialize", "Cancel"}},
        {"[NONE]Plain text[Yes][No][Maybe]", EIconKind::kNone, "Plain text", {"Maybe", "No", "Yes"}},
        {"[WARN]Unknown prefixes show no icon[OK]", EIconKind::kNone, "Unknown prefixes show no icon", {"OK"}},
        {"[stop]Prefixes are exact[OK]", EIconKind::kNone, "Prefixes are exact", {"OK"}},
        // Leading and trailing line breaks go; inner ones break the line.
        {"[NOTE]\r\nFirst\rSecond\r\n\n[OK]", EIconKind::kNote, "First\rSecond", {"OK"}},
        // A label runs to the next "]", or to the end of the markup.
        {"[STOP]Cut[OK", EIconKind::kStop, "Cut", {"OK"}},
        {"[STOP]Text][A]x[B]", EIconKind::kStop, "Text]", {"B", "A"}},
    };
    ExpectParsed(cases);
}

TEST(AlertMarkup, BracketCountRuleOnMalformedMarkup)
{
    const SMarkupCase cases[] = {
        {"", EIconKind::kNone, "", {}},
        {"[STOP]", EIconKind::kStop, "", {}},
        {"[STO", EIconKind::kNone, "", {}},
        {"[STOP]No buttons at all", EIconKind::kStop, "No buttons at all", {}},
        {"No brackets anywhere in this markup", EIconKind::kNone, "ckets anywhere in this markup", {}},
        // Without a prefix the first label is taken for the prefix's bracket.
        {"Hello[OK]", EIconKind::kNone, "OK]", {}},
        {"Hello there[A][B]", EIconKind::kNone, "there", {"B"}},
        // Four labels: only the last three become buttons.
        {"[NOTE]Four[A][B][C][D]", EIconKind::kNote, "Four", {"D", "C", "B"}},
        {"[[[[[[[[[[", EIconKind::kNone, "", {"", "[", "[["}},
    };
    ExpectParsed(cases);
}

TEST(AlertMarkup, ParametersReplaceTheFirstPlaceholderOfEachIndexInOrder)
{
    const struct {
        const char* markup;
        std::vector<std::string> parameters;
        const char* message;
    } cases[] = {
        {"[STOP]The file \"^0\" could not be found.[OK]", {"Kick.aif"},
         "The file \"Kick.aif\" could not be found."},
        {"[STOP]^0 and ^0[OK]", {"one"}, "one and ^0"},
        {"[STOP]^1 before ^0[OK]", {"zero", "one"}, "one before zero"},
        // A parameter that brings in a later placeholder is replaced in turn; one
        // that brings in an earlier one is not.
        {"[STOP]<^0>[OK]", {"^1", "x"}, "<x>"},
        {"[STOP]<^1>[OK]", {"a", "^0"}, "<^0>"},
        {"[STOP]Placeholders without parameters: ^0 ^3[OK]", {},
         "Placeholders without parameters: ^0 ^3"},
        {"[STOP]No placeholder here[OK]", {"unused"}, "No placeholder here"},
        {"[STOP]^4 is no placeholder[OK]", {"a", "b", "c", "d", "e"}, "^4 is no placeholder"},
        {"[STOP]^[OK]", {"a"}, "^"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AlertMarkup::Parse(c.markup, c.parameters).message, c.message) << c.markup;
}

TEST(AlertMarkup, LengthLimits)
{
    // The markup is read up to 255 characters, so a label past that is lost.
    const std::string longMarkup = "[STOP]" + std::string(260, 'm') + "[OK]";
    const SAlertContent cut = AlertMarkup::Parse(longMarkup, {});
    EXPECT_EQ(cut.message, std::string(249, 'm'));
    EXPECT_TRUE(cut.buttonLabels.empty());

    // Parameters count up to 64 characters each; the message stays within 255.
    const SAlertContent longParameter = AlertMarkup::Parse("[STOP]<^0>[OK]", {std::string(100, 'p')});
    EXPECT_EQ(longParameter.message, "<" + std::string(64, 'p') + ">");
    const std::vector<std::string> four = {std::string(64, 'a'), std::string(64, 'b'), std::string(64, 'c'),
                                           std::string(64, 'd')};
    const std::string filled = four[0] + four[1] + four[2] + four[3] + std::string(200, 'x');
    EXPECT_EQ(AlertMarkup::Parse("[STOP]^0^1^2^3" + std::string(200, 'x') + "[OK]", four).message,
              filled.substr(0, AlertMarkup::kMaxMessageLength));
}

namespace {

// Layout 10005's items in pixels at horizontal base unit 6 and vertical 13.
AlertPlacement::SItems AlertItems()
{
    auto rect = [](int32_t x, int32_t y, int32_t w, int32_t h) {
        const int32_t left = x * 6 / 4, top = y * 13 / 8;
        return WindowPort::SRect{left, top, left + w * 6 / 4, top + h * 13 / 8};
    };
    return {{rect(10, 60, 54, 14), rect(68, 60, 54, 14), rect(126, 60, 54, 14)}, rect(37, 10, 143, 44),
            rect(10, 10, 20, 20)};
}

void ExpectRect(const WindowPort::SRect& actual, const WindowPort::SRect& expected, const char* what)
{
    EXPECT_EQ(actual.left, expected.left) << what;
    EXPECT_EQ(actual.top, expected.top) << what;
    EXPECT_EQ(actual.right, expected.right) << what;
    EXPECT_EQ(actual.bottom, expected.bottom) << what;
}

} // namespace

TEST(AlertPlacement, ButtonsAndTextByCountAndIcon)
{
    const AlertPlacement::SItems items = AlertItems();
    const int32_t half = (102 - 15) / 2;

    const AlertPlacement::SPlacement one = AlertPlacement::Place(items, 1, EIconKind::kStop);
    ExpectRect(one.buttons[0], items.buttons[1], "one button stands in the middle");
    ExpectRect(one.text, items.text, "text beside the icon");
    ExpectRect(one.icon, items.icon, "icon");

    const AlertPlacement::SPlacement two = AlertPlacement::Place(items, 2, EIconKind::kNote);
    ExpectRect(two.buttons[0], {15 + half, 97, 96 + half, 119}, "first of two");
    ExpectRect(two.buttons[1], {102 + half, 97, 183 + half, 119}, "second of two");

    const AlertPlacement::SPlacement three = AlertPlacement::Place(items, 3, EIconKind::kStop);
    for (size_t i = 0; i < 3; ++i)
        ExpectRect(three.buttons[i], items.buttons[i], "three stay");

    const AlertPlacement::SPlacement plain = AlertPlacement::Place(items, 0, EIconKind::kNone);
    ExpectRect(plain.text, {items.icon.left, items.text.top, items.text.right, items.text.bottom},
               "text takes the icon's place");
}
