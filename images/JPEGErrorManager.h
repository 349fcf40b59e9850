#pragma once

struct jpeg_error_mgr;

// The JPEG library reports through an error manager; ours keeps every message to
// itself and turns a fatal error into an exception of the XJPeg family:
//   error exit      formats the message (then drops it), destroys the
//                   decompression object and throws by the message's code;
//   output message  formats the message and shows nothing;
//   the rest        the library's standard methods (warnings are counted).

// Fills `errorRecord` with those methods and returns it, for a decompression
// object's `err` field.
jpeg_error_mgr* InstallErrorManager(jpeg_error_mgr* errorRecord);

// Throws the exception that a fatal message code of the library stands for:
// XJPegInternalError for misuse and internal faults, XJPegUnsupportedFormat for
// features the library does not handle, XJPegBadFormat for damaged data,
// XJPegOutOfMemory when the library's memory runs out, and XBase for any other code.
[[noreturn]] void ThrowForJPEGMessage(int messageCode);
