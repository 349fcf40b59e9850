#include "media/XBase.h"

#include <gtest/gtest.h>

#include <new>

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
