#include "app/ModListing.h"

#include "app/Catalogue.h"
#include "app/ModReader.h"

#include <iomanip>
#include <ostream>
#include <vector>

namespace {

std::string SampleSlotName(int32_t row)
{
    const std::string aiff = AiffSampleNames[row];
    return "sample slot " + std::to_string(row) + " (" + aiff.substr(0, aiff.size() - 4) + ")";
}

// A text field as one block: its line breaks continue on indented lines.
void WriteText(std::ostream& out, const char* label, const char* text)
{
    out << label << ":";
    std::string line;
    bool first = true;
    auto flush = [&] {
        out << (first ? " " : "\n    ") << line;
        line.clear();
        first = false;
    };
    for (const char* c = text; *c != 0; ++c) {
        if (*c == '\r' && c[1] == '\n')
            continue;
        if (*c == '\r' || *c == '\n')
            flush();
        else
            line += *c;
    }
    if (!line.empty() || first)
        flush();
    out << "\n";
}

} // namespace

std::string DescribeCatalogueSlot(const std::string& storedName)
{
    int32_t row = 0;
    if (FindSkinImage(storedName.c_str(), row))
        return std::string("skin image ") + SkinImageNames[row];
    if (FindAiffSample(storedName.c_str(), row) || FindWaveSample(storedName.c_str(), row))
        return SampleSlotName(row);
    if (EqualsIgnoringCase(storedName.c_str(), "Demo.tds"))
        return "demo song";
    return "not in the catalogue";
}

void WriteModListing(const CModReader& reader, std::ostream& out)
{
    const CModInfo& info = reader.GetInfo();
    char version[32] = {};
    info.GetVersion().Format(version, CVersion::kMajorMinorBugfix);
    WriteText(out, "Mod name", info.GetModName());
    out << "Version: " << version << "\n";
    WriteText(out, "Comments", info.GetComments());
    WriteText(out, "WWW", info.GetWwwAddress());
    WriteText(out, "FTP", info.GetFtpAddress());

    std::vector<bool> imageFilled(kSkinImageCount, false);
    std::vector<bool> sampleFilled(kSampleCount, false);
    bool songFilled = false;
    out << "Components: " << reader.GetComponents().size() << "\n";
    for (const SModComponent& component : reader.GetComponents()) {
        const std::string& name = component.storedName;
        out << "  " << std::left << std::setw(16) << name << std::right << std::setw(10) << component.contentSize
            << " bytes  " << DescribeCatalogueSlot(name) << "\n";
        int32_t row = 0;
        if (FindSkinImage(name.c_str(), row))
            imageFilled[row] = true;
        else if (FindAiffSample(name.c_str(), row) || FindWaveSample(name.c_str(), row))
            sampleFilled[row] = true;
        else if (EqualsIgnoringCase(name.c_str(), "Demo.tds"))
            songFilled = true;
    }

    std::vector<std::string> missing;
    for (int32_t row = 0; row < kSkinImageCount; ++row) {
        if (!imageFilled[row])
            missing.push_back(std::string("skin image ") + SkinImageNames[row]);
    }
    for (int32_t row = 0; row < kSampleCount; ++row) {
        if (!sampleFilled[row])
            missing.push_back(SampleSlotName(row));
    }
    if (!songFilled)
        missing.push_back("demo song");
    if (missing.empty()) {
        out << "Missing: none\n";
        return;
    }
    out << "Missing: " << missing.size() << "\n";
    for (const std::string& slot : missing)
        out << "  " << slot << "\n";
}
