#include "files/DirEntry.h"

#include "platform/system/SystemDirectory.h"

#include <cstring>
#include <string_view>

bool FillDirEntry(CDirEntry& entry, const char* path, const char* name)
{
    SystemDirectory::SStatus status;
    if (!SystemDirectory::GetStatus(path, status))
        return false;
    const std::string_view text(name);
    PathText::CopyInto(entry.name, PathText::kNameFieldSize, text);
    // The type is the text from the last dot on, like a specification's extension.
    const size_t dot = text.rfind('.');
    entry.type.SetText(dot == std::string_view::npos ? std::string_view() : text.substr(dot));
    entry.created = status.created;
    entry.modified = status.modified;
    entry.hidden = !text.empty() && text[0] == '.';
    entry.directory = status.directory;
    entry.size = static_cast<uint32_t>(status.size);
    entry.special = status.special;
    entry.device = status.device;
    entry.inode = status.inode;
    return true;
}
