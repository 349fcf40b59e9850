#include "app/Catalogue.h"


const char* const SkinImageNames[kSkinImageCount] = {
    "12015.jpg", "12016.jpg", "12017.jpg", "12019.jpg", "12020.jpg", "12030.jpg",
    "12031.jpg", "12032.jpg", "12040.jpg", "12041.jpg", "12057.jpg", "12058.jpg",
    "12060.jpg", "12061.jpg", "12062.jpg", "12063.jpg", "12064.jpg", "12065.jpg",
    "12066.jpg", "12067.jpg", "12068.jpg", "12500.jpg", "12501.jpg", "12502.jpg",
    "12503.jpg", "12504.jpg", "12505.jpg", "12506.jpg", "12507.jpg", "12509.jpg",
    "12510.jpg", "12520.jpg", "12521.jpg", "12522.jpg", "12523.jpg", "12524.jpg",
    "12525.jpg", "12550.jpg", "12551.jpg", "12552.jpg", "12554.jpg", "12555.jpg",
    "12556.jpg", "12557.jpg", "12558.jpg", "12559.jpg", "12560.jpg", "12561.jpg",
    "12562.jpg", "12563.jpg", "12564.jpg", "12565.jpg", "12566.jpg", "12567.jpg",
    "12568.jpg", "12569.jpg", "12570.jpg", "12571.jpg", "splash.jpg",
};

const SImageSize SkinImageSizes[kSkinImageCount] = {
    {109, 16}, {53, 19}, {19, 18}, {23, 9}, {23, 9}, {15, 45},
    {15, 11}, {15, 54}, {49, 11}, {35, 11}, {592, 50}, {70, 115},
    {70, 115}, {82, 98}, {16, 510}, {82, 93}, {82, 111}, {82, 65},
    {33, 16}, {55, 16}, {9, 115}, {366, 115}, {19, 16}, {35, 10},
    {51, 17}, {33, 12}, {17, 8}, {17, 8}, {1674, 30}, {17, 15},
    {31, 8}, {366, 115}, {504, 13}, {504, 13}, {23, 17}, {47, 5},
    {360, 31}, {35, 15}, {35, 21}, {608, 19}, {68, 504}, {68, 184},
    {27, 14}, {15, 792}, {59, 15}, {65, 25}, {65, 25}, {65, 25},
    {65, 25}, {65, 25}, {366, 115}, {532, 12}, {59, 8}, {6, 6},
    {29, 14}, {82, 93}, {63, 20}, {37, 20}, {256, 256},
};

const char* const AiffSampleNames[kSampleCount] = {
    "tr808bd.aif", "tr808sd1.aif", "tr808sd2.aif", "tr808sd3.aif", "tr808sd4.aif",
    "tr808sd5.aif", "tr808n1.aif", "tr808n2.aif", "tr808n3.aif", "tr808n4.aif",
    "tr808cb.aif", "tr808ch.aif", "tr808cl.aif", "tr808cp.aif", "tr808cy.aif",
    "tr808hc.aif", "tr808ht.aif", "tr808lc.aif", "tr808lt.aif", "tr808ma.aif",
    "tr808mc.aif", "tr808mt.aif", "tr808oh.aif", "tr808rs.aif", "TR909bd1.aif",
    "TR909bd2.aif", "TR909bd3.aif", "TR909bd4.aif", "TR909sd1.aif", "TR909sd2.aif",
    "TR909sd3.aif", "TR909sd4.aif", "TR909sd5.aif", "TR909sdn1.aif", "TR909sdn2.aif",
    "TR909sdn3.aif", "TR909lt.aif", "TR909mt.aif", "TR909ht.aif", "TR909rs.aif",
    "TR909hc.aif", "TR909chh.aif", "TR909ohh.aif", "TR909ccy.aif", "TR909rcy.aif",
    "startup.aif",
};

const char* const WaveSampleNames[kSampleCount] = {
    "tr808bd.wav", "tr808sd1.wav", "tr808sd2.wav", "tr808sd3.wav", "tr808sd4.wav",
    "tr808sd5.wav", "tr808n1.wav", "tr808n2.wav", "tr808n3.wav", "tr808n4.wav",
    "tr808cb.wav", "tr808ch.wav", "tr808cl.wav", "tr808cp.wav", "tr808cy.wav",
    "tr808hc.wav", "tr808ht.wav", "tr808lc.wav", "tr808lt.wav", "tr808ma.wav",
    "tr808mc.wav", "tr808mt.wav", "tr808oh.wav", "tr808rs.wav", "TR909bd1.wav",
    "TR909bd2.wav", "TR909bd3.wav", "TR909bd4.wav", "TR909sd1.wav", "TR909sd2.wav",
    "TR909sd3.wav", "TR909sd4.wav", "TR909sd5.wav", "TR909sdn1.wav", "TR909sdn2.wav",
    "TR909sdn3.wav", "TR909lt.wav", "TR909mt.wav", "TR909ht.wav", "TR909rs.wav",
    "TR909hc.wav", "TR909chh.wav", "TR909ohh.wav", "TR909ccy.wav", "TR909rcy.wav",
    "startup.wav",
};

namespace {

char FoldCase(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whole names, equal apart from the case of ASCII letters.
bool NamesMatch(const char* a, const char* b)
{
    for (; *a != 0 && *b != 0; ++a, ++b) {
        if (FoldCase(*a) != FoldCase(*b))
            return false;
    }
    return *a == *b;
}

bool FindName(const char* const* table, int32_t count, const char* fileName, int32_t& row)
{
    for (int32_t i = 0; i < count; ++i) {
        if (NamesMatch(table[i], fileName)) {
            row = i;
            return true;
        }
    }
    return false;
}

} // namespace

bool FindSkinImage(const char* fileName, int32_t& row)
{
    return FindName(SkinImageNames, kSkinImageCount, fileName, row);
}

bool FindAiffSample(const char* fileName, int32_t& row)
{
    return FindName(AiffSampleNames, kSampleCount, fileName, row);
}

bool FindWaveSample(const char* fileName, int32_t& row)
{
    return FindName(WaveSampleNames, kSampleCount, fileName, row);
}

bool EqualsIgnoringCase(const char* a, const char* b)
{
    return NamesMatch(a, b);
}
