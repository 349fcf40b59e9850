#include "AudioTestSupport.h"

#include "audio/FrameReader.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <sys/resource.h>

namespace {

// Every program makes the scratch buffers at start; the test program too.
class CScratchEnvironment : public ::testing::Environment {
public:
    void SetUp() override { mBuffers = std::make_unique<CScratchBuffers>(); }
    void TearDown() override { mBuffers.reset(); }

private:
    std::unique_ptr<CScratchBuffers> mBuffers;
};

const auto* const gEnvironment = ::testing::AddGlobalTestEnvironment(new CScratchEnvironment);

} // namespace

CFileSizeLimit::CFileSizeLimit(uint64_t bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    mOldSoft = limit.rlim_cur;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
    // Without this the process would be stopped instead of the write failing.
    mOldHandler = std::signal(SIGXFSZ, SIG_IGN);
}

CFileSizeLimit::~CFileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = mOldSoft;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, mOldHandler);
}

std::vector<uint8_t> FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void CRecordingMedia::Write(int32_t size, const void* buffer)
{
    if (mWritesLeft == 0)
        throw XWrite();
    if (mWritesLeft > 0)
        --mWritesLeft;
    CMemoryMedia::Write(size, buffer);
}

std::vector<uint8_t> Written(CMemoryMedia& media)
{
    return std::vector<uint8_t>(media.GetBuffer(), media.GetBuffer() + media.GetPosition());
}

std::vector<uint8_t> Words(const std::vector<int16_t>& values, bool littleEndian)
{
    std::vector<uint8_t> bytes(values.size() * 2);
    for (size_t i = 0; i < values.size(); ++i) {
        const auto v = static_cast<uint16_t>(values[i]);
        littleEndian ? SetLE16(&bytes[2 * i], v) : SetBE16(&bytes[2 * i], v);
    }
    return bytes;
}
