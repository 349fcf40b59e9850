// The text dump of a chunk tree, one line per chunk, groups indented by four
// more spaces per level.
#include "chunks/IFFReader2.h"

#include "media/Media.h"
#include "media/XBase.h"

#include <memory>
#include <string>

namespace {

// Deeper trees are refused: every level costs a window and a stack frame, and
// no file of ours nests more than two.
constexpr int kMaxDumpDepth = 64;

const char* GroupName(int32_t kind)
{
    switch (kind) {
    case kFormChunk:
        return "FORM";
    case kCatChunk:
        return "CAT ";
    default:
        return "LIST";
    }
}

void WriteLine(CMedia& output, const std::string& line)
{
    output.Write(static_cast<int32_t>(line.size()), line.data());
}

void DumpLevel(CIFFReader2& reader, CMedia& output, int32_t indent, int depth)
{
    if (depth > kMaxDumpDepth)
        throw XBadFormat();
    const std::string indentText(indent, ' ');
    CIFFChunkInfo chunk;
    if (!reader.GetFirstChunk(chunk))
        return;
    do {
        if (chunk.GetKind() == kSimpleChunk) {
            WriteLine(output, indentText + "Simple chunk, type: " + chunk.GetID() + ", size: "
                                  + std::to_string(chunk.GetDataSize()) + "\n");
            continue;
        }
        WriteLine(output, indentText + "Dumping contents of '" + GroupName(chunk.GetKind()) + "' chunk ("
                              + chunk.GetID() + ")\n");
        CIFFReader2 child(reader, chunk);
        if (child.GetMedia() == nullptr)
            throw XBase();
        DumpLevel(child, output, indent + 4, depth + 1);
    } while (reader.GetNextChunk(chunk, chunk));
}

} // namespace

void CIFFReader2::DumpChunks(CMedia& input, CMedia& output, int32_t indent)
{
    CIFFReader2 reader(input);
    DumpLevel(reader, output, indent < 0 ? 0 : indent, 0);
}
