#pragma once

#include "app/ByteBuffer.h"
#include "app/Catalogue.h"
#include "app/ModInfo.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CDirSpec;
class CFileSpec;
class CModPacker;
class CModWriter;
class CMedia;
class CReplacingFile;
struct CDirEntry;
class WAVE_SAMPLE;

// One pack run, from the creation of the target to the totals. Lives for one
// call of CModPacker::PackFolder.
class CPackRun {
public:
    // A checking run decides and logs everything a packing run does, writing the
    // mod into a medium that keeps nothing.
    enum class EOutput { kFile, kDiscard };

    CPackRun(CModPacker& packer, const CDirSpec& source, const CFileSpec& target, EOutput output);
    ~CPackRun();

    void Run();

private:
    // Notes which file the target names now, links followed, if any.
    void FindTarget();
    bool IsTarget(const CDirEntry& entry) const;
    void HandleEntry(const CDirEntry& entry);
    std::unique_ptr<CFileSpec> MakeEntrySpec(const char* entryName) const;
    void ReadWholeFile(const CFileSpec& spec);
    bool ClassifySkinImage(const char* entryName);
    bool ClassifyAiffSample(const char* entryName);
    bool ClassifyWaveSample(const char* entryName);
    bool ConvertWaveToAiff(const CFileSpec& wave, const WAVE_SAMPLE& sample);
    // Logs the clash when another file already filled the slot.
    bool SlotIsFree(const std::vector<bool>& taken, int32_t row, const char* entryName);
    void Embed(const char* entryName);
    void ImportTextFile(const char* entryName);
    void Finish();
    void LogLine(const std::string& text);
    int32_t CloseTarget();

    CModPacker& mPacker;
    const CDirSpec& mSource;
    const CFileSpec& mTarget;
    EOutput mOutput;
    std::vector<bool> mImageTaken = std::vector<bool>(kSkinImageCount, false);
    std::vector<bool> mSampleTaken = std::vector<bool>(kSampleCount, false);
    int32_t mFileCount = 0;
    CModInfo mModInfo;
    std::unique_ptr<CDirEntry> mTargetInfo;
    std::unique_ptr<CMedia> mTargetMedia;
    // The target medium when the run writes a file; it replaces the target once
    // the mod is complete, and is removed when the run is abandoned.
    CReplacingFile* mReplacement = nullptr;
    std::unique_ptr<CModWriter> mWriter;
    CByteBuffer mBytes;
    std::string mStoredName;
};
