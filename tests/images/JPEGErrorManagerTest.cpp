#include "images/JPEGErrorManager.h"
#include "media/XBase.h"

#include "JPEGTestSupport.h"

#include <jerror.h>

TEST(JPEGErrorManager, FatalCodesByName)
{
    EXPECT_TRUE(ThrowsExactly<XJPegInternalError>([] { ThrowForJPEGMessage(JERR_ARITH_NOTIMPL); }));
    EXPECT_TRUE(ThrowsExactly<XJPegInternalError>([] { ThrowForJPEGMessage(JERR_BAD_STATE); }));
    EXPECT_TRUE(ThrowsExactly<XJPegInternalError>([] { ThrowForJPEGMessage(JERR_NO_IMAGE); }));
    EXPECT_TRUE(ThrowsExactly<XJPegUnsupportedFormat>([] { ThrowForJPEGMessage(JERR_BAD_PRECISION); }));
    EXPECT_TRUE(ThrowsExactly<XJPegUnsupportedFormat>([] { ThrowForJPEGMessage(JERR_SOF_UNSUPPORTED); }));
    EXPECT_TRUE(ThrowsExactly<XJPegUnsupportedFormat>([] { ThrowForJPEGMessage(JERR_CONVERSION_NOTIMPL); }));
    EXPECT_TRUE(ThrowsExactly<XJPegBadFormat>([] { ThrowForJPEGMessage(JERR_INPUT_EMPTY); }));
    EXPECT_TRUE(ThrowsExactly<XJPegBadFormat>([] { ThrowForJPEGMessage(JERR_INPUT_EOF); }));
    EXPECT_TRUE(ThrowsExactly<XJPegBadFormat>([] { ThrowForJPEGMessage(JERR_TOO_LITTLE_DATA); }));
    EXPECT_TRUE(ThrowsExactly<XJPegBadFormat>([] { ThrowForJPEGMessage(JERR_BAD_HUFF_TABLE); }));
    EXPECT_TRUE(ThrowsExactly<XJPegOutOfMemory>([] { ThrowForJPEGMessage(JERR_OUT_OF_MEMORY); }));
}

TEST(JPEGErrorManager, CodesWhoseNumbersMovedBetweenLibraryVersions)
{
    // Mapped by number from an older table these would come out as out of memory,
    // unsupported and bad format by luck; by name they are all bad format.
    EXPECT_TRUE(ThrowsExactly<XJPegBadFormat>([] { ThrowForJPEGMessage(JERR_NO_SOI); }));
    EXPECT_TRUE(ThrowsExactly<XJPegBadFormat>([] { ThrowForJPEGMessage(JERR_SOF_NO_SOS); }));
    EXPECT_TRUE(ThrowsExactly<XJPegBadFormat>([] { ThrowForJPEGMessage(JERR_INPUT_EMPTY); }));
}

TEST(JPEGErrorManager, OtherCodesAreGeneralFailures)
{
    EXPECT_TRUE(ThrowsExactly<XBase>([] { ThrowForJPEGMessage(JMSG_NOMESSAGE); }));
    EXPECT_TRUE(ThrowsExactly<XBase>([] { ThrowForJPEGMessage(JWRN_JPEG_EOF); }));
    EXPECT_TRUE(ThrowsExactly<XBase>([] { ThrowForJPEGMessage(JTRC_SOI); }));
    EXPECT_TRUE(ThrowsExactly<XBase>([] { ThrowForJPEGMessage(-1); }));
    EXPECT_TRUE(ThrowsExactly<XBase>([] { ThrowForJPEGMessage(100000); }));
}

TEST(JPEGErrorManager, ReplacesOnlyTheExitAndTheOutput)
{
    jpeg_error_mgr standard{};
    jpeg_std_error(&standard);
    jpeg_error_mgr ours{};
    EXPECT_EQ(InstallErrorManager(&ours), &ours);
    EXPECT_NE(ours.error_exit, standard.error_exit);
    EXPECT_NE(ours.output_message, standard.output_message);
    EXPECT_EQ(ours.emit_message, standard.emit_message);
    EXPECT_EQ(ours.format_message, standard.format_message);
    EXPECT_EQ(ours.reset_error_mgr, standard.reset_error_mgr);
    EXPECT_EQ(ours.jpeg_message_table, standard.jpeg_message_table);
}
