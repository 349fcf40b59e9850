#include "app/PackRun.h"

#include "app/ComponentChecks.h"
#include "app/ModConstants.h"
#include "app/ModPacker.h"
#include "app/ModWriter.h"
#include "app/PackUserInterface.h"
#include "app/TextFormat.h"
#include "app/TextImport.h"
#include "audio/AIFFWriter.h"
#include "audio/WAVE_SAMPLE.h"
#include "files/DirEntry.h"
#include "files/DirIterator.h"
#include "files/DirSpec.h"
#include "files/FileSpec.h"
#include "media/DiscardMedia.h"
#include "media/MemoryMedia.h"
#include "media/OpenFile.h"
#include "media/XBase.h"

#include <cstdint>
#include <cstring>

namespace {

// The text files of a mod: which field of the record each fills, its limit and
// the warning for a longer file.
struct STextFile {
    const char* name;
    char* (CModInfo::*field)();
    int32_t limit;
    const char* truncatedWarning;
};

const STextFile kTextFiles[] = {
    {"ModName.txt", &CModInfo::GetModName, CModInfo::kModNameLimit, "* Warning: Modname truncated."},
    {"Comments.txt", &CModInfo::GetComments, CModInfo::kCommentsLimit, "* Warning: Comments truncated."},
    {"www.txt", &CModInfo::GetWwwAddress, CModInfo::kAddressLimit, "* Warning: WWW address truncated."},
    {"ftp.txt", &CModInfo::GetFtpAddress, CModInfo::kAddressLimit, "* Warning: FTP address truncated."},
};

constexpr const char* kProductCreator = "Tdrl";

constexpr const char* kNoModNameAlert =
    "[STOP]Directory must contain a ModName.txt file containing the full name of the mod.[Quit]";

bool ExtensionIs(const CFileSpec& spec, const char* extension)
{
    return EqualsIgnoringCase(spec.GetExtension(), extension);
}

// The busy indication lasts exactly as long as the run, however it ends.
class CBusyIndication {
public:
    explicit CBusyIndication(CPackUserInterface& ui) : mUI(ui) { mUI.BeginBusy(); }
    ~CBusyIndication() { mUI.EndBusy(); }

private:
    CPackUserInterface& mUI;
};

} // namespace

CPackRun::CPackRun(CModPacker& packer, const CDirSpec& source, const CFileSpec& target, EOutput output)
    : mPacker(packer)
    , mSource(source)
    , mTarget(target)
    , mOutput(output)
{
}

CPackRun::~CPackRun() = default;

void CPackRun::LogLine(const std::string& text)
{
    mPacker.LogLine(text.c_str());
}

void CPackRun::Run()
{
    CBusyIndication busy(mPacker.mUI);
    const std::string targetName = mTarget.GetFileName();
    mPacker.SetLogTitle(FormatText("Packing %s...", targetName.c_str()).c_str());

    CDirIterator listing(mSource);
    mPacker.mCurrentFile = mTarget.GetFullPath();
    if (mOutput == EOutput::kDiscard)
        mTargetMedia = std::make_unique<CDiscardMedia>();
    else
        mTargetMedia = std::make_unique<COpenFile>(mPacker.mCurrentFile.c_str(), kModTypeCode, kProductCreator);
    mWriter = std::make_unique<CModWriter>(*mTargetMedia);

    while (const std::unique_ptr<CDirEntry> entry{listing.Next()})
        HandleEntry(*entry);
    listing.Close();
    Finish();
}

void CPackRun::HandleEntry(const CDirEntry& entry)
{
    // Sub-folders are never entered, and mod files, the target among them, never packed.
    if (entry.directory || entry.type.Equals(kModExtension))
        return;
    mPacker.mUI.AdvanceBusy();

    mPacker.mCurrentFile = std::string(mSource.GetPath()) + entry.name;
    const std::unique_ptr<CFileSpec> spec(mSource.MakeFileSpec(entry.name));
    // A WAVE file's own bytes are never embedded, only its conversion: it is
    // opened to prove it is there and readable, and read by the conversion.
    if (ExtensionIs(*spec, ".wav"))
        COpenFile(spec->GetFullPath().c_str()).GetSize();
    else
        ReadWholeFile(*spec);
    mStoredName = entry.name;

    bool add = false;
    if (ExtensionIs(*spec, ".jpg"))
        add = ClassifySkinImage(entry.name);
    else if (ExtensionIs(*spec, ".aif"))
        add = ClassifyAiffSample(*spec, entry.name);
    else if (ExtensionIs(*spec, ".wav"))
        add = ClassifyWaveSample(*spec, entry.name);
    else
        add = EqualsIgnoringCase(entry.name, "Demo.tds");

    if (add)
        Embed(entry.name);
    else
        ImportTextFile(entry.name);
    mBytes.Clear();
}

void CPackRun::ReadWholeFile(const CFileSpec& spec)
{
    COpenFile file(spec.GetFullPath().c_str());
    const int32_t size = file.GetSize();
    file.Read(size, mBytes.Resize(size));
}

bool CPackRun::SlotIsFree(const std::vector<bool>& taken, int32_t row, const char* entryName)
{
    if (taken[row]) {
        LogLine(FormatText("** Multiple formats for file found: %s...", entryName));
        return false;
    }
    return true;
}

bool CPackRun::ClassifySkinImage(const char* entryName)
{
    int32_t row = 0;
    if (!FindSkinImage(entryName, row) || !SlotIsFree(mImageTaken, row, entryName))
        return false;
    // Decoded from the bytes already read, which are the bytes embedded.
    CMemoryMedia image(mBytes.GetSize(), mBytes.GetData());
    switch (CheckSkinImage(image, row)) {
    case EImageCheck::kNotDecodable:
        LogLine(FormatText("** Invalid jpeg: %s...", entryName));
        return false;
    case EImageCheck::kNonstandardSize:
        LogLine(FormatText("* Nonstandard size of jpeg: %s...", entryName));
        break;
    case EImageCheck::kStandardSize:
        break;
    }
    mImageTaken[row] = true;
    return true;
}

bool CPackRun::ClassifyAiffSample(const CFileSpec& spec, const char* entryName)
{
    int32_t row = 0;
    if (!FindAiffSample(entryName, row) || !SlotIsFree(mSampleTaken, row, entryName))
        return false;
    // Checked from the bytes already read, which are the bytes embedded.
    CMemoryMedia file(mBytes.GetSize(), mBytes.GetData());
    if (!CheckAiffSample(file, spec.GetFileName(), mPacker.mUI))
        return false;
    mSampleTaken[row] = true;
    return true;
}

bool CPackRun::ClassifyWaveSample(const CFileSpec& spec, const char* entryName)
{
    int32_t row = 0;
    if (!FindWaveSample(entryName, row) || !SlotIsFree(mSampleTaken, row, entryName))
        return false;
    // The check loads the sample to prove it readable; the conversion takes it from there.
    std::unique_ptr<WAVE_SAMPLE> sample;
    if (!CheckWaveSample(spec, mPacker.mUI, &sample) || !ConvertWaveToAiff(spec, *sample))
        return false;
    mSampleTaken[row] = true;
    return true;
}

bool CPackRun::ConvertWaveToAiff(const CFileSpec& wave, const WAVE_SAMPLE& sample)
{
    // The AIFF file is made in memory, in the block that is then embedded: it
    // never touches the disk. A failed conversion is not the run's failure: the
    // file is skipped like any other that cannot be used.
    try {
        const int64_t size = CAIFFWriter::GetSavedSize(sample);
        if (size > INT32_MAX)
            throw XOutOfMemory();
        CMemoryMedia aiff(static_cast<int32_t>(size), mBytes.Resize(static_cast<int32_t>(size)));
        CAIFFWriter::SaveAIFF(aiff, sample);
        if (aiff.GetPosition() != aiff.GetSize())
            throw XInternalError();
        mStoredName = wave.GetBaseName() + ".aif";
        return true;
    } catch (const XBase&) {
        mBytes.Clear();
        return false;
    }
}

void CPackRun::Embed(const char* entryName)
{
    LogLine(FormatText("Adding: %s...", entryName));
    // From here on a failure is the target's, not the component's.
    mPacker.mCurrentFile = mTarget.GetFullPath();
    mWriter->AddComponent(mStoredName.c_str(), mBytes.GetData(), mBytes.GetSize());
    ++mFileCount;
}

void CPackRun::ImportTextFile(const char* entryName)
{
    for (const STextFile& text : kTextFiles) {
        if (!EqualsIgnoringCase(entryName, text.name))
            continue;
        const int32_t size = mBytes.GetSize();
        if (size > text.limit)
            LogLine(text.truncatedWarning);
        ImportText((mModInfo.*text.field)(), mBytes.GetData(), size, text.limit);
        return;
    }
    LogLine(FormatText("- Skipping file: %s...", entryName));
}

// Closes the target and answers its size as it now stands on disk, or as it
// would stand for a checking run.
int32_t CPackRun::CloseTarget()
{
    mWriter.reset();
    const int32_t checkedSize = mTargetMedia->GetSize();
    mTargetMedia.reset();
    return mOutput == EOutput::kDiscard ? checkedSize : mTarget.GetSize();
}

void CPackRun::Finish()
{
    LogLine(FormatText("Total file count: %d", mFileCount));
    if (mModInfo.GetModName()[0] == 0) {
        mPacker.mCurrentFile = std::string(mSource.GetPath()) + "ModName.txt";
        mPacker.mUI.StopAlert(kNoModNameAlert);
        throw XBase();
    }
    mPacker.mCurrentFile = mTarget.GetFullPath();
    mWriter->Finish(mModInfo);
    LogLine(FormatText("Mod name: %s", mModInfo.GetModName()));
    LogLine(FormatText("Comment length: %d characters", static_cast<int>(std::strlen(mModInfo.GetComments()))));
    LogLine(FormatText("WWW: %s", mModInfo.GetWwwAddress()));
    LogLine(FormatText("FTP: %s", mModInfo.GetFtpAddress()));
    const int32_t size = CloseTarget();
    const std::string targetName = mTarget.GetFileName();
    LogLine(FormatText("Size of %s: %d bytes", targetName.c_str(), size));
    LogLine("Done... close window to exit application");
    LogLine("");
    mPacker.SetLogTitle(FormatText("%s packed", targetName.c_str()).c_str());
}
