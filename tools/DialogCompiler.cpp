// Writes the framework's dialog layouts as standard dialog templates: one file
// "dialog<ID>.dlg" per DIALOG of the description (see rc/dialogs.txt).
//
//   modstower_mkdialogs DESCRIPTION OUTDIR
//
// The bytes: a little-endian DLGTEMPLATE (style with DS_SETFONT when a font is
// named, extended style, item count, x, y, width, height), no menu, the
// standard class, the title in UTF-16, the point size and face when a font is
// named; then per item, on a four-byte boundary, a DLGITEMTEMPLATE (style,
// extended style, x, y, width, height, id), the class as 0xFFFF and its atom or
// as a UTF-16 name, the text in UTF-16 and an empty creation-data count.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kWindowPopup = 0x80000000;
constexpr uint32_t kWindowChild = 0x40000000;
constexpr uint32_t kWindowVisible = 0x10000000;
constexpr uint32_t kWindowCaption = 0x00C00000;
constexpr uint32_t kWindowSystemMenu = 0x00080000;
constexpr uint32_t kWindowTabStop = 0x00010000;
constexpr uint32_t kDialogSetFont = 0x40;
constexpr uint32_t kDialogModalFrame = 0x80;
constexpr uint32_t kButtonDefault = 0x1;
constexpr uint32_t kStaticIcon = 0x3;

const std::map<std::string, uint16_t> kClassAtoms{
    {"Button", 0x80}, {"Edit", 0x81}, {"Static", 0x82}, {"ListBox", 0x83}, {"ScrollBar", 0x84}, {"ComboBox", 0x85},
};

struct SItem {
    uint16_t id = 0;
    std::string className;
    int16_t box[4] = {};
    std::string text;
    bool isDefault = false;
    bool isIcon = false;
};

struct SDialog {
    uint16_t id = 0;
    int16_t box[4] = {};
    std::string title;
    uint16_t pointSize = 0;
    std::string face;
    std::vector<SItem> items;
};

std::string gWhere;

[[noreturn]] void Fail(const std::string& message)
{
    std::fprintf(stderr, "modstower_mkdialogs: %s: %s\n", gWhere.c_str(), message.c_str());
    std::exit(1);
}

// Splits a line into words; a word in double quotes may hold blanks, \" and \\.
std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] == '"') {
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size())
                    ++i;
                word += line[i];
            }
            if (i == line.size())
                Fail("a text without its closing quote");
            ++i;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

long Number(const std::string& word, long lowest, long highest)
{
    char* end = nullptr;
    const long value = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != 0 || value < lowest || value > highest)
        Fail("\"" + word + "\" is not a number from " + std::to_string(lowest) + " to " + std::to_string(highest));
    return value;
}

void ReadBox(const std::vector<std::string>& words, size_t first, int16_t box[4])
{
    for (int i = 0; i < 4; ++i)
        box[i] = int16_t(Number(words[first + i], i < 2 ? -32768 : 0, 32767));
}

SItem ReadItem(const std::vector<std::string>& words)
{
    if (words.size() < 8)
        Fail("ITEM id class x y width height \"text\" [DEFAULT] [ICON]");
    SItem item;
    item.id = uint16_t(Number(words[1], 0, 65535));
    item.className = words[2];
    ReadBox(words, 3, item.box);
    item.text = words[7];
    for (size_t i = 8; i < words.size(); ++i) {
        if (words[i] == "DEFAULT")
            item.isDefault = true;
        else if (words[i] == "ICON")
            item.isIcon = true;
        else
            Fail("unknown item flag " + words[i]);
    }
    return item;
}

std::vector<SDialog> ReadDescription(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        Fail("cannot read " + path);
    std::vector<SDialog> dialogs;
    bool open = false;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        gWhere = path + ":" + std::to_string(number);
        const std::vector<std::string> words = Words(line);
        if (words.empty() || words[0][0] == '#')
            continue;
        if (words[0] == "DIALOG" && !open && words.size() == 7) {
            dialogs.emplace_back();
            dialogs.back().id = uint16_t(Number(words[1], 0, 65535));
            ReadBox(words, 2, dialogs.back().box);
            dialogs.back().title = words[6];
            open = true;
        } else if (words[0] == "FONT" && open && words.size() == 3) {
            dialogs.back().pointSize = uint16_t(Number(words[1], 1, 191));
            dialogs.back().face = words[2];
        } else if (words[0] == "ITEM" && open) {
            dialogs.back().items.push_back(ReadItem(words));
        } else if (words[0] == "END" && open && words.size() == 1) {
            open = false;
        } else {
            Fail("expected " + std::string(open ? "FONT, ITEM or END" : "DIALOG id x y width height \"title\""));
        }
    }
    if (open)
        Fail("the last DIALOG has no END");
    return dialogs;
}

class CTemplateWriter {
public:
    void Word(uint32_t value)
    {
        mBytes.push_back(uint8_t(value));
        mBytes.push_back(uint8_t(value >> 8));
    }
    void DoubleWord(uint32_t value)
    {
        Word(value & 0xFFFF);
        Word(value >> 16);
    }
    void Box(const int16_t box[4])
    {
        for (int i = 0; i < 4; ++i)
            Word(uint16_t(box[i]));
    }
    // Our texts are Latin-1: each byte is one UTF-16 unit.
    void Text(const std::string& text)
    {
        for (const char c : text)
            Word(uint8_t(c));
        Word(0);
    }
    void Align()
    {
        while (mBytes.size() % 4 != 0)
            mBytes.push_back(0);
    }
    const std::vector<uint8_t>& Bytes() const { return mBytes; }

private:
    std::vector<uint8_t> mBytes;
};

uint32_t ItemStyle(const SItem& item)
{
    uint32_t style = kWindowChild | kWindowVisible;
    if (item.className == "Button")
        style |= kWindowTabStop | (item.isDefault ? kButtonDefault : 0);
    if (item.isIcon)
        style |= kStaticIcon;
    return style;
}

std::vector<uint8_t> Compile(const SDialog& dialog)
{
    CTemplateWriter out;
    const bool namesFont = !dialog.face.empty();
    out.DoubleWord(kWindowPopup | kWindowCaption | kWindowSystemMenu | kDialogModalFrame
                   | (namesFont ? kDialogSetFont : 0));
    out.DoubleWord(0);
    out.Word(uint32_t(dialog.items.size()));
    out.Box(dialog.box);
    out.Word(0); // no menu
    out.Word(0); // the standard dialog class
    out.Text(dialog.title);
    if (namesFont) {
        out.Word(dialog.pointSize);
        out.Text(dialog.face);
    }
    for (const SItem& item : dialog.items) {
        out.Align();
        out.DoubleWord(ItemStyle(item));
        out.DoubleWord(0);
        out.Box(item.box);
        out.Word(item.id);
        if (const auto atom = kClassAtoms.find(item.className); atom != kClassAtoms.end()) {
            out.Word(0xFFFF);
            out.Word(atom->second);
        } else {
            out.Text(item.className);
        }
        out.Text(item.text);
        out.Word(0); // no creation data
    }
    return out.Bytes();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DESCRIPTION OUTDIR\n", argv[0]);
        return 2;
    }
    for (const SDialog& dialog : ReadDescription(argv[1])) {
        const std::vector<uint8_t> bytes = Compile(dialog);
        const std::filesystem::path target = std::filesystem::path(argv[2]) / ("dialog" + std::to_string(dialog.id) + ".dlg");
        // Write beside the target and rename, so an interrupted build never leaves half a file.
        const std::filesystem::path temporary = target.string() + ".tmp";
        {
            std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
            file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
            if (!file) {
                gWhere = temporary.string();
                Fail("cannot write");
            }
        }
        std::error_code error;
        std::filesystem::rename(temporary, target, error);
        if (error) {
            gWhere = target.string();
            Fail("cannot write: " + error.message());
        }
    }
    return 0;
}
