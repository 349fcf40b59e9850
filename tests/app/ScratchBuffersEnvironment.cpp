// Loading samples needs the process-wide scratch buffers, as in every program's main.
#include "audio/FrameReader.h"

#include <gtest/gtest.h>

namespace {

class CScratchBuffersEnvironment : public ::testing::Environment {
public:
    void SetUp() override { MakeScratchBuffers(); }
    void TearDown() override { FreeScratchBuffers(); }
};

const ::testing::Environment* const kScratchBuffers =
    ::testing::AddGlobalTestEnvironment(new CScratchBuffersEnvironment);

} // namespace
