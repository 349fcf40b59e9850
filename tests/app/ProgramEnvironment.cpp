// What every program's main sets up: the scratch buffers that loading samples
// needs, and the program's own resources.
#include "audio/FrameReader.h"
#include "rc/ProgramResources.h"

#include <gtest/gtest.h>

namespace {

class CProgramEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        InstallProgramResources();
        MakeScratchBuffers();
    }
    void TearDown() override { FreeScratchBuffers(); }
};

const ::testing::Environment* const kProgramEnvironment =
    ::testing::AddGlobalTestEnvironment(new CProgramEnvironment);

} // namespace
