#include "images/JPEGErrorManager.h"

#include "media/XBase.h"

#include <cstdio>

#include <jpeglib.h>
// After jpeglib.h: its configuration decides which codes exist.
#include <jerror.h>

namespace {

[[noreturn]] void ErrorExit(j_common_ptr cinfo)
{
    char message[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, message);
    const int code = cinfo->err->msg_code;
    jpeg_destroy(cinfo);
    ThrowForJPEGMessage(code);
}

void OutputMessage(j_common_ptr cinfo)
{
    // Nothing is shown: the message exists only to be formatted.
    char message[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, message);
}

} // namespace

jpeg_error_mgr* InstallErrorManager(jpeg_error_mgr* errorRecord)
{
    jpeg_std_error(errorRecord);
    errorRecord->error_exit = ErrorExit;
    errorRecord->output_message = OutputMessage;
    return errorRecord;
}

void ThrowForJPEGMessage(int messageCode)
{
    // By name, not by number: the numbers differ between versions of the library.
    switch (messageCode) {
    case JERR_ARITH_NOTIMPL:
    case JERR_BAD_ALIGN_TYPE:
    case JERR_BAD_ALLOC_CHUNK:
    case JERR_BAD_BUFFER_MODE:
    case JERR_BAD_COMPONENT_ID:
    case JERR_BAD_MCU_SIZE:
    case JERR_BAD_POOL_ID:
    case JERR_BAD_STATE:
    case JERR_BAD_VIRTUAL_ACCESS:
    case JERR_BUFFER_SIZE:
    case JERR_EOI_EXPECTED:
    case JERR_HUFF_CLEN_OVERFLOW:
    case JERR_HUFF_MISSING_CODE:
    case JERR_IMAGE_TOO_BIG:
    case JERR_MISMATCHED_QUANT_TABLE:
    case JERR_MISSING_DATA:
    case JERR_MODE_CHANGE:
    case JERR_NO_BACKING_STORE:
    case JERR_NO_HUFF_TABLE:
    case JERR_NO_IMAGE:
    case JERR_NO_QUANT_TABLE:
    case JERR_VIRTUAL_BUG:
    case JERR_BAD_CROP_SPEC:
        throw XJPegInternalError();

    case JERR_BAD_DCTSIZE:
    case JERR_BAD_LIB_VERSION:
    case JERR_BAD_PRECISION:
    case JERR_BAD_PROGRESSION:
    case JERR_BAD_PROG_SCRIPT:
    case JERR_CANT_SUSPEND:
    case JERR_CCIR601_NOTIMPL:
    case JERR_COMPONENT_COUNT:
    case JERR_CONVERSION_NOTIMPL:
    case JERR_EMPTY_IMAGE:
    case JERR_FRACT_SAMPLE_NOTIMPL:
    case JERR_NOTIMPL:
    case JERR_NOT_COMPILED:
    case JERR_SOF_UNSUPPORTED:
    case JERR_UNKNOWN_MARKER:
    case JERR_WIDTH_OVERFLOW:
    case JERR_BAD_DROP_SAMPLING:
        throw XJPegUnsupportedFormat();

    case JERR_BAD_IN_COLORSPACE:
    case JERR_BAD_J_COLORSPACE:
    case JERR_BAD_LENGTH:
    case JERR_BAD_SAMPLING:
    case JERR_BAD_SCAN_SCRIPT:
    case JERR_BAD_STRUCT_SIZE:
    case JERR_DAC_INDEX:
    case JERR_DAC_VALUE:
    case JERR_BAD_HUFF_TABLE: // the library's name for bogus table counts
    case JERR_DHT_INDEX:
    case JERR_DQT_INDEX:
    case JERR_EMS_READ:
    case JERR_EMS_WRITE:
    case JERR_FILE_READ:
    case JERR_FILE_WRITE:
    case JERR_INPUT_EMPTY:
    case JERR_INPUT_EOF:
    case JERR_NO_SOI:
    case JERR_QUANT_COMPONENTS:
    case JERR_QUANT_FEW_COLORS:
    case JERR_QUANT_MANY_COLORS:
    case JERR_SOF_DUPLICATE:
    case JERR_SOF_NO_SOS:
    case JERR_SOI_DUPLICATE:
    case JERR_SOS_NO_SOF:
    case JERR_TFILE_CREATE:
    case JERR_TFILE_READ:
    case JERR_TFILE_SEEK:
    case JERR_TFILE_WRITE:
    case JERR_TOO_LITTLE_DATA:
    case JERR_XMS_READ:
    case JERR_XMS_WRITE:
    case JERR_BAD_DCT_COEF:
    case JERR_NO_ARITH_TABLE:
        throw XJPegBadFormat();

    case JERR_OUT_OF_MEMORY:
        throw XJPegOutOfMemory();

    default:
        throw XBase();
    }
}
