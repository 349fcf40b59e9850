#include "media/XBase.h"

#include <gtest/gtest.h>

#include <new>

namespace {

// True when a handler for `Handled` would see the failure.
template <class Failure, class Handled>
bool Caught()
{
    try {
        throw Failure();
    } catch (const Handled&) {
        return true;
    } catch (const XBase&) {
        return false;
    }
}

} // namespace

TEST(XBase, HandlersForGeneralClassesCatchTheSpecificOnes)
{
    EXPECT_TRUE((Caught<XJPegBadFormat, XBadFormat>()));
    EXPECT_TRUE((Caught<XJPegOutOfMemory, XOutOfMemory>()));
    EXPECT_TRUE((Caught<XJPegUnsupportedFormat, XUnsupportedFormat>()));
    EXPECT_TRUE((Caught<XJPegInternalError, XInternalError>()));
    EXPECT_TRUE((Caught<XCreateFailed, XFile>()));
    EXPECT_TRUE((Caught<XFileNotFound, XFile>()));
    EXPECT_THROW(throw ZOS_TOO_OLD_EXCEPTION(), XBase);
    // Failures of a medium are not failures of a file.
    EXPECT_FALSE((Caught<XRead, XFile>()));
    EXPECT_FALSE((Caught<XWrite, XFile>()));
    EXPECT_FALSE((Caught<XPosition, XFile>()));
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
