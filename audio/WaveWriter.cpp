#include "audio/WaveWriter.h"

#include "audio/BAT.h"
#include "audio/SaveToFile.h"
#include "audio/WAVE_SAMPLE.h"
#include "audio/WaveFormat.h"
#include "media/Media.h"

#include <algorithm>

CWaveWriter::CWaveWriter() = default;

CWaveWriter::~CWaveWriter() = default;

void CWaveWriter::SaveWave(const CFileSpec& file, const char* creator, const WAVE_SAMPLE& sample)
{
    SaveToFile(file, "WAVE", creator, [&](CMedia& media) { SaveWave(media, sample); });
}

void CWaveWriter::SaveWave(CMedia& media, const WAVE_SAMPLE& sample)
{
    CWaveWriter writer;
    writer.SetMedia(media);
    writer.OpenGroup("RIFF", "WAVE");
    writer.WriteFmt(1, 16, static_cast<uint32_t>(std::max(0, sample.GetRate())));
    writer.WriteData(sample);
    writer.CloseGroup();
}

void CWaveWriter::WriteFmt(int32_t channels, int32_t bits, uint32_t samplesPerSecond)
{
    WaveFormatChunk format;
    format.formatTag = WaveFormatChunk::kIntegerPCM;
    format.channels = static_cast<int16_t>(channels);
    format.samplesPerSecond = samplesPerSecond;
    format.averageBytesPerSecond = static_cast<uint32_t>(int64_t{channels} * samplesPerSecond * bits / 8);
    format.blockAlign = static_cast<uint16_t>(channels * bits / 8);
    format.bitsPerSample = static_cast<uint16_t>(bits);
    uint8_t bytes[WaveFormatChunk::kSize];
    PackWaveFormatChunk(format, bytes);
    WriteChunk("fmt ", bytes, sizeof bytes);
}

void CWaveWriter::WriteData(const BAT& data)
{
    BeginData();
    data.WriteToMedia(0, data.GetSize(), Media());
    CloseChunk();
}

void CWaveWriter::WriteData(const WAVE_SAMPLE& sample)
{
    BeginData();
    sample.GetData().WriteToMedia(0, static_cast<uint32_t>(sample.GetLength()) * 2, Media());
    CloseChunk();
}

void CWaveWriter::BeginData()
{
    OpenChunk("data");
}
