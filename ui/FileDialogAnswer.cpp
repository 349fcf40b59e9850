#include "ui/FileDialogAnswer.h"

#include "files/DialogFilter.h"
#include "files/FileTypeDescriptor.h"
#include "files/FileTypeList.h"
#include "media/XBase.h"
#include "platform/system/SystemPath.h"

namespace FileDialogAnswer {

std::vector<WindowPort::SFileFilter> MakeFilters(const CFileTypeList& types)
{
    // The text holds description and pattern, each closed by a zero. A "|" in a
    // description turned into a zero as well; an odd text left at the end is
    // dropped rather than shown as a pattern.
    const std::string text = MakeDialogFilter(types);
    std::vector<std::string> parts;
    for (size_t at = 0, end; at < text.size(); at = end + 1) {
        end = text.find('\0', at);
        if (end == std::string::npos)
            end = text.size();
        parts.push_back(text.substr(at, end - at));
    }
    std::vector<WindowPort::SFileFilter> filters;
    for (size_t i = 0; i + 1 < parts.size(); i += 2)
        filters.push_back({parts[i], parts[i + 1]});
    return filters;
}

std::unique_ptr<CFileSpec> Split(const std::string& path)
{
    if (path.empty() || path.back() == '/' || SystemPath::IsDirectory(path))
        throw XBase();
    return std::make_unique<CFileSpec>(path.c_str());
}

void ApplyExtension(CFileSpec& file, const CFileTypeDescriptor& type)
{
    file.SetExtension(type.GetExtension());
}

} // namespace FileDialogAnswer
