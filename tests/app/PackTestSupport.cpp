#include "tests/app/PackTestSupport.h"

#include "tools/ImageSynth.h"
#include "tools/JPEGWriter.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

CComponentFolder::CComponentFolder()
{
    char pattern[] = "/tmp/modstower-test-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        std::abort();
    mPath = std::string(pattern) + "/";
}

CComponentFolder::~CComponentFolder()
{
    std::filesystem::remove_all(mPath);
}

std::string CComponentFolder::Write(const std::string& name, const std::vector<uint8_t>& bytes) const
{
    const std::string path = mPath + name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
}

std::string CComponentFolder::Write(const std::string& name, const std::string& text) const
{
    return Write(name, std::vector<uint8_t>(text.begin(), text.end()));
}

std::string CComponentFolder::MakeFolder(const std::string& name) const
{
    std::filesystem::create_directory(mPath + name);
    return mPath + name + "/";
}

std::vector<uint8_t> MakeWaveFile(const std::vector<int16_t>& samples, uint16_t channels, uint32_t rate,
                                  uint16_t bits, uint16_t formatCode)
{
    const uint16_t blockAlign = static_cast<uint16_t>(channels * bits / 8);
    CBytes file(true);
    file.Text("RIFF").U32(0).Text("WAVE");
    file.BeginChunk("fmt ").U16(formatCode).U16(channels).U32(rate).U32(rate * blockAlign).U16(blockAlign).U16(bits);
    file.EndChunk();
    file.BeginChunk("data").Raw(Words(samples, true)).EndChunk();
    return file.CloseGroup().Get();
}

std::vector<uint8_t> MakeAiffFile(const std::vector<int16_t>& samples, uint16_t channels, uint32_t rate,
                                  uint16_t bits)
{
    CBytes file;
    file.Text("FORM").U32(0).Text("AIFF");
    file.BeginChunk("COMM").U16(channels).U32(static_cast<uint32_t>(samples.size() / channels)).U16(bits).Rate(rate);
    file.EndChunk();
    file.BeginChunk("SSND").U32(0).U32(0).Raw(Words(samples, false)).EndChunk();
    return file.CloseGroup().Get();
}

std::vector<uint8_t> MakeJPEGFile(int width, int height, uint32_t seed)
{
    return WriteJPEG(MakePhotoLikeImage(width, height, seed));
}

std::vector<uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> ListFolder(const std::string& path)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

CHangGuard::CHangGuard(unsigned seconds)
{
    alarm(seconds);
}

CHangGuard::~CHangGuard()
{
    alarm(0);
}

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
