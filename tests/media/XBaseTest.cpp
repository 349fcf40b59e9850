#include "media/XBase.h"

#include <gtest/gtest.h>

#include <new>

TEST(XBase, HandlersForGeneralClassesCatchTheSpecificOnes)
{
    EXPECT_THROW(throw XJPegBadFormat(), XBadFormat);
    EXPECT_THROW(throw XJPegOutOfMemory(), XOutOfMemory);
    EXPECT_THROW(throw XJPegUnsupportedFormat(), XUnsupportedFormat);
    EXPECT_THROW(throw XJPegInternalError(), XInternalError);
    EXPECT_THROW(throw XCreateFailed(), XFile);
    EXPECT_THROW(throw XFileNotFound(), XFile);
    EXPECT_THROW(throw ZOS_TOO_OLD_EXCEPTION(), XBase);
}

namespace {

// True when a handler for XFile would see the failure.
template <class Failure>
bool CaughtAsFile()
{
    try {
        throw Failure();
    } catch (const XFile&) {
        return true;
    } catch (const XBase&) {
        return false;
    }
}

} // namespace

TEST(XBase, MediaFailuresAreNotFileFailures)
{
    EXPECT_FALSE(CaughtAsFile<XRead>());
    EXPECT_FALSE(CaughtAsFile<XWrite>());
    EXPECT_FALSE(CaughtAsFile<XPosition>());
    EXPECT_TRUE(CaughtAsFile<XCreateFailed>());
}

TEST(XBase, FailedAllocationBecomesOutOfMemory)
{
    // The runtime calls the installed handler when plain new runs out of memory.
    // It is called directly here: the sanitizer builds replace new with an
    // allocator that aborts before any handler runs.
    std::set_new_handler(nullptr);
    InstallOutOfMemoryHandler();
    const std::new_handler handler = std::get_new_handler();
    ASSERT_NE(handler, nullptr);
    EXPECT_THROW(handler(), XOutOfMemory);

    // A failure inside a catch-everything clean-up still reaches the outer handler by class.
    auto cleanUpThenRethrow = [&] {
        try {
            handler();
        } catch (...) {
            throw;
        }
    };
    EXPECT_THROW(cleanUpThenRethrow(), XOutOfMemory);
    std::set_new_handler(nullptr);
}
