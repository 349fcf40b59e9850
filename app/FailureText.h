#pragma once

class XBase;

// What the terminal program says about a failure. The failure classes carry no
// text, so the words come from the class and from what the caller was reading.
constexpr const char* kNotAChunkTree = "not a readable chunk tree";
constexpr const char* kNotAModFile = "not a complete mod file";

const char* DescribeFailure(const XBase& failure, const char* badFormatText);
