#pragma once

#include <exception>

// The failure family. A failure is told by its class alone: no class carries a
// message, a code or a position. Handlers catch by class, from the most specific.

class XBase : public std::exception {
public:
    XBase() = default;
    XBase(const XBase&) = default;
    ~XBase() override = default;
};

class XBadFormat : public XBase {};
class XUnsupportedFormat : public XBase {};
class XOutOfMemory : public XBase {};
class XInternalError : public XBase {};
class XRead : public XBase {};
class XWrite : public XBase {};
class XPosition : public XBase {};
// A size beyond the signed 32-bit sizes of the formats: a file or a mod of 2 GiB or more.
class XTooLarge : public XPosition {};
class XFile : public XBase {};
class XCreateFailed : public XFile {};
class XFileNotFound : public XFile {};
// A folder whose entries cannot be read.
class XListFailed : public XFile {};
// A path longer than the system takes (4095 bytes), or a name in it longer than 255.
class XPathTooLong : public XBase {};
class XTimerFailed : public XBase {};
class ZOS_TOO_OLD_EXCEPTION : public XBase {};

// The JPEG classes derive from the general ones, so a handler written for
// XBadFormat or XOutOfMemory handles images too.
class XJPegBadFormat : public XBadFormat {};
class XJPegUnsupportedFormat : public XUnsupportedFormat {};
class XJPegOutOfMemory : public XOutOfMemory {};
class XJPegInternalError : public XInternalError {};

// Makes every failed plain `new` throw XOutOfMemory. Each program's main installs it first.
void InstallOutOfMemoryHandler();
