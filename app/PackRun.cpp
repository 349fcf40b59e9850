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
#include "media/ReplacingFile.h"
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

constexpr const char* kNoModNameAlert =
    "[STOP]Directory must contain a ModName.txt file containing the full name of the mod.[Quit]";

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

    // The folder is read before the target's new file is made beside it, so a
    // run never lists its own unfinished mod.
    CDirIterator listing(mSource);
    mPacker.mCurrentFile = mSource.GetPath();
    if (!listing.Open())
        throw XListFailed();
    mPacker.mCurrentFile = mTarget.GetFullPath();
    FindTarget();
    if (mOutput == EOutput::kDiscard) {
        mTargetMedia = std::make_unique<CDiscardMedia>();
    } else {
        auto replacement = std::make_unique<CReplacingFile>(mPacker.mCurrentFile);
        mReplacement = replacement.get();
        mTargetMedia = std::move(replacement);
    }
    mWriter = std::make_unique<CModWriter>(*mTargetMedia);

    while (const std::unique_ptr<CDirEntry> entry{listing.Next()})
        HandleEntry(*entry);
    listing.Close();
    Finish();
}

void CPackRun::FindTarget()
{
    try {
        mTargetInfo.reset(mTarget.GetInfo());
    } catch (const XFile&) {
        // No file there yet: nothing in the folder can be the target.
    }
}

bool CPackRun::IsTarget(const CDirEntry& entry) const
{
    return mTargetInfo != nullptr && entry.device == mTargetInfo->device && entry.inode == mTargetInfo->inode;
}

void CPackRun::HandleEntry(const CDirEntry& entry)
{
    // Sub-folders are never entered, and mod files, the target among them, never packed.
    if (entry.directory || entry.type.Equals(kModExtension))
        return;
    mPacker.mUI.AdvanceBusy();

    mPacker.mCurrentFile = std::string(mSource.GetPath()) + entry.name;
    // A pipe, socket or device is never opened: a pipe would hold the run for
    // ever. Nor is the target packed into itself under another name.
    if (entry.special || IsTarget(entry)) {
        LogLine(FormatText("- Skipping file: %s...", entry.name));
        return;
    }
    mStoredName = entry.name;

    // Each decision is made from the name first; a file is opened only once the
    // run is about to check, convert, embed or import it.
    bool add = false;
    if (entry.type.Equals(".jpg")) {
        add = ClassifySkinImage(entry.name);
    } else if (entry.type.Equals(".aif")) {
        add = ClassifyAiffSample(entry.name);
    } else if (entry.type.Equals(".wav")) {
        add = ClassifyWaveSample(entry.name);
    } else if (EqualsIgnoringCase(entry.name, "Demo.tds")) {
        ReadWholeFile(*MakeEntrySpec(entry.name));
        add = true;
    }

    if (add)
        Embed(entry.name);
    else
        ImportTextFile(entry.name);
    mBytes.Clear();
}

std::unique_ptr<CFileSpec> CPackRun::MakeEntrySpec(const char* entryName) const
{
    return std::unique_ptr<CFileSpec>(mSource.MakeFileSpec(entryName));
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
    ReadWholeFile(*MakeEntrySpec(entryName));
    // Decoded from the bytes just read, which are the bytes embedded.
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

bool CPackRun::ClassifyAiffSample(const char* entryName)
{
    int32_t row = 0;
    if (!FindAiffSample(entryName, row) || !SlotIsFree(mSampleTaken, row, entryName))
        return false;
    ReadWholeFile(*MakeEntrySpec(entryName));
    // Checked from the bytes just read, which are the bytes embedded.
    CMemoryMedia file(mBytes.GetSize(), mBytes.GetData());
    if (!CheckAiffSample(file, entryName, mPacker.mUI))
        return false;
    mSampleTaken[row] = true;
    return true;
}

bool CPackRun::ClassifyWaveSample(const char* entryName)
{
    int32_t row = 0;
    if (!FindWaveSample(entryName, row) || !SlotIsFree(mSampleTaken, row, entryName))
        return false;
    // A WAVE file's own bytes are never embedded, only its conversion: it is
    // opened to prove it is there and readable, and read by the check.
    const std::unique_ptr<CFileSpec> spec = MakeEntrySpec(entryName);
    COpenFile(spec->GetFullPath().c_str()).GetSize();
    // The check loads the sample to prove it readable; the conversion takes it from there.
    std::unique_ptr<WAVE_SAMPLE> sample;
    if (!CheckWaveSample(*spec, mPacker.mUI, &sample) || !ConvertWaveToAiff(*spec, *sample))
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
        ReadWholeFile(*MakeEntrySpec(entryName));
        const int32_t size = mBytes.GetSize();
        if (size > text.limit)
            LogLine(text.truncatedWarning);
        ImportText((mModInfo.*text.field)(), mBytes.GetData(), size, text.limit);
        return;
    }
    LogLine(FormatText("- Skipping file: %s...", entryName));
}

// Puts the complete mod in the target's place and answers its size, or the
// size it would have for a checking run.
int32_t CPackRun::CloseTarget()
{
    mWriter.reset();
    const int32_t size = mTargetMedia->GetSize();
    if (mReplacement != nullptr)
        mReplacement->Commit();
    mTargetMedia.reset();
    mReplacement = nullptr;
    return size;
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
