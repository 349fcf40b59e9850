#include "AudioTestSupport.h"

#include "audio/FrameReader.h"
#include "audio/WAVE_SAMPLE.h"
#include "files/FileSpec.h"
#include "tests/files/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>

namespace {

// Every program makes the scratch buffers at start; the test program too.
class CScratchEnvironment : public ::testing::Environment {
public:
    void SetUp() override { MakeScratchBuffers(); }
    void TearDown() override { FreeScratchBuffers(); }
};

const auto* const gEnvironment = ::testing::AddGlobalTestEnvironment(new CScratchEnvironment);

} // namespace

CBytes& CBytes::Rate(double hertz)
{
    uint8_t field[10];
    SetExtended(field, hertz);
    return Raw(std::vector<uint8_t>(field, field + 10));
}

CBytes& CBytes::Raw(const std::vector<uint8_t>& bytes)
{
    mBytes.insert(mBytes.end(), bytes.begin(), bytes.end());
    return *this;
}

CBytes& CBytes::Fill(size_t count, uint8_t value)
{
    mBytes.insert(mBytes.end(), count, value);
    return *this;
}

CBytes& CBytes::BeginChunk(const char* id)
{
    Text(id);
    mChunkStart = mBytes.size();
    return U32(0);
}

CBytes& CBytes::EndChunk(bool pad)
{
    const auto size = static_cast<uint32_t>(mBytes.size() - mChunkStart - 4);
    Patch(mChunkStart, size);
    return Fill(pad ? size & 1 : 0, 0);
}

CBytes& CBytes::CloseGroup()
{
    Patch(4, static_cast<uint32_t>(mBytes.size() - 8));
    return *this;
}

CBytes& CBytes::Number(uint32_t value, size_t width)
{
    for (size_t i = 0; i < width; ++i)
        mBytes.push_back(static_cast<uint8_t>(value >> 8 * (mLittle ? i : width - 1 - i)));
    return *this;
}

void CBytes::Patch(size_t at, uint32_t value)
{
    mLittle ? SetLE32(&mBytes[at], value) : SetBE32(&mBytes[at], value);
}

CRecordingMedia::CRecordingMedia(int32_t size, int writesBeforeFailure)
    : CMemoryMedia(size)
    , mWritesLeft(writesBeforeFailure)
{
    std::memset(GetBuffer(), 0, size_t(size));
}

void CRecordingMedia::Read(int32_t size, void* buffer)
{
    mReads.push_back(size);
    CMemoryMedia::Read(size, buffer);
}

void CRecordingMedia::Write(int32_t size, const void* buffer)
{
    if (mWritesLeft == 0)
        throw XWrite();
    if (mWritesLeft > 0)
        --mWritesLeft;
    CMemoryMedia::Write(size, buffer);
}

std::vector<uint8_t> FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<uint8_t> Written(CMemoryMedia& media)
{
    return std::vector<uint8_t>(media.GetBuffer(), media.GetBuffer() + media.GetPosition());
}

std::vector<uint8_t> Words(const std::vector<int16_t>& values, bool littleEndian)
{
    CBytes bytes(littleEndian);
    for (const int16_t value : values)
        bytes.U16(static_cast<uint16_t>(value));
    return bytes.Get();
}

std::vector<int16_t> Samples(const BAT& buffer, int32_t count)
{
    std::vector<int16_t> values;
    for (int32_t i = 0; i < count; ++i)
        values.push_back(buffer.GetSample(static_cast<uint32_t>(i)));
    return values;
}

std::vector<int16_t> Samples(const WAVE_SAMPLE& sample)
{
    return Samples(sample.GetData(), sample.GetLength());
}

std::string LoopOf(const WAVE_SAMPLE& sample)
{
    return std::to_string(sample.GetLoopStart()) + ".." + std::to_string(sample.GetLoopEnd()) +
           (sample.IsLoopOn() ? " on" : " off");
}

std::string Describe(const WAVE_SAMPLE& sample)
{
    std::ostringstream out;
    out << sample.GetRate() << " Hz, " << sample.GetLength() << " frames, loop " << LoopOf(sample) << ", ";
    if (sample.HasInstrumentData())
        out << "note " << int(sample.GetBaseNote()) << " detune " << int(sample.GetDetune());
    else
        out << "no instrument";
    return out.str();
}

std::string Describe(const SampleFileInfo& info)
{
    std::ostringstream out;
    out << int(info.channels) << " channels, " << int(info.bits) << " bits, " << info.sampleRate << " Hz, "
        << info.frames << " frames, " << (info.plain ? "plain" : "not plain");
    return out.str();
}

SampleFileInfo Info(InfoReader read, std::vector<uint8_t> bytes)
{
    CBytesMedia media(std::move(bytes));
    SampleFileInfo info;
    read(media, info);
    return info;
}

std::unique_ptr<WAVE_SAMPLE> Load(SampleLoader load, std::vector<uint8_t> bytes, uint8_t choice)
{
    CBytesMedia media(std::move(bytes));
    std::unique_ptr<WAVE_SAMPLE> sample;
    load(media, "Test", choice, sample);
    if (!sample)
        throw std::logic_error("the load made no sample");
    return sample;
}

void ExpectFailures(InfoReader read, SampleLoader load, const std::vector<ReaderCase>& cases)
{
    for (ReaderCase c : cases) {
        CBytesMedia media(c.file.CloseGroup().Get());
        CBytesMedia again(c.file.Get());
        SampleFileInfo info;
        EXPECT_STREQ(Thrown([&] { read(media, info); }).name(), c.info.name()) << c.what;
        auto sample = std::make_unique<WAVE_SAMPLE>("old", 1, 1, 0, 0, false);
        EXPECT_STREQ(Thrown([&] { load(again, "x", c.choice, sample); }).name(), c.load.name()) << c.what;
        EXPECT_EQ(sample, nullptr) << c.what;
    }
}

std::vector<uint8_t> SaveThroughFiles(FileSaver save, FileInfoReader read, FileLoader load, const char* name)
{
    TempFolder folder;
    const CFileSpec file((folder / name).c_str());
    WAVE_SAMPLE sample("x", 44100, 3, 1, 3, true);
    sample.GetData().Write(0, 6, Words({1, -2, 0x1234}, true).data());
    save(file, "    ", sample);
    const std::vector<uint8_t> bytes = FileBytes(file.GetFullPath());
    SampleFileInfo info;
    read(file, info);
    EXPECT_EQ(info.frames, 3u);
    std::unique_ptr<WAVE_SAMPLE> loaded;
    load(file, 0, loaded);
    if (!loaded)
        throw std::logic_error("the load made no sample");
    EXPECT_STREQ(loaded->GetName(), name);
    EXPECT_EQ(Samples(*loaded), (std::vector<int16_t>{1, -2, 0x1234}));

    // Writing past 1000 bytes fails (EFBIG) instead of stopping the process (SIGXFSZ).
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit old = limit;
    limit.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &limit);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const std::type_index thrown = Thrown([&] { save(file, "    ", WAVE_SAMPLE("Long", 44100, 20000, 0, 0, false)); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    EXPECT_STREQ(thrown.name(), typeid(XWrite).name());
    EXPECT_FALSE(file.Exists());

    EXPECT_THROW(save(CFileSpec((folder / "missing/x").c_str()), "    ", sample), XCreateFailed);
    EXPECT_THROW(read(file, info), XCreateFailed);
    EXPECT_THROW(load(file, 0, loaded), XCreateFailed);
    EXPECT_EQ(loaded, nullptr);
    return bytes;
}
