#include "ui/FileDialogs.h"

#include "files/FileTypeDescriptor.h"
#include "files/FileTypeList.h"
#include "platform/WindowPort.h"
#include "resources/ResourceText.h"
#include "ui/ABCWindow.h"
#include "ui/Application.h"
#include "ui/FileDialogAnswer.h"

namespace {

constexpr int32_t kMaxPromptLength = 128;

WindowPort::WindowHandle MainWindow()
{
    const CApplication* application = GetApplication();
    const CABCWindow* window = application != nullptr ? application->GetMainWindow() : nullptr;
    return window != nullptr ? window->GetHandle() : 0;
}

std::string Prompt(uint32_t promptId)
{
    char prompt[kMaxPromptLength + 1];
    GetString(promptId, prompt, kMaxPromptLength);
    return prompt;
}

// Shows the dialog owned by the main window and gives the main window the
// activation back, whatever the answer. On true `file` holds the chosen file
// and `fileType` its type; on false both are empty.
bool AskForFile(WindowPort::SFileDialogRequest request, std::unique_ptr<CFileSpec>& file, CUnknownFileType& fileType)
{
    file.reset();
    fileType = CUnknownFileType();
    request.owner = MainWindow();
    const WindowPort::SFileDialogAnswer answer = WindowPort::RunFileDialog(request);
    if (request.owner != 0)
        WindowPort::Activate(request.owner);
    if (!answer.accepted)
        return false;
    file = FileDialogAnswer::Split(answer.path);
    fileType = file->GetFileType();
    return true;
}

WindowPort::SFileDialogRequest MakeRequest(WindowPort::EFileDialogKind kind, const char* prompt,
                                           const CFileTypeList& types)
{
    WindowPort::SFileDialogRequest request;
    request.kind = kind;
    request.title = prompt != nullptr ? prompt : "";
    request.filters = FileDialogAnswer::MakeFilters(types);
    request.confirmOverwrite = kind == WindowPort::EFileDialogKind::kSave;
    request.fileMustExist = kind == WindowPort::EFileDialogKind::kOpen;
    return request;
}

std::string DefaultSuffix(const CFileTypeDescriptor& type)
{
    const std::string extension = type.GetExtension();
    return !extension.empty() && extension[0] == '.' ? extension.substr(1) : extension;
}

uint16_t PositionOf(const CFileTypeList& types, const CFileTypeDescriptor& type)
{
    for (uint16_t i = 0; i < types.GetCount(); ++i) {
        if (types.Get(i) == type)
            return i;
    }
    return 0;
}

} // namespace

bool AskSaveFileOfType(const char* prompt, const char* proposedName, const CFileTypeDescriptor& type,
                       std::unique_ptr<CFileSpec>& file)
{
    CFileTypeList types;
    types.Add(type);
    WindowPort::SFileDialogRequest request = MakeRequest(WindowPort::EFileDialogKind::kSave, prompt, types);
    request.proposedName = proposedName != nullptr ? proposedName : "";
    request.defaultSuffix = DefaultSuffix(type);
    CUnknownFileType chosenType;
    if (!AskForFile(request, file, chosenType))
        return false;
    // A name typed with another extension is saved with the type's.
    try {
        FileDialogAnswer::ApplyExtension(*file, type);
    } catch (...) {
        file.reset();
        throw;
    }
    return true;
}

bool AskSaveFile(const char* prompt, const char* proposedName, const CFileTypeList& types,
                 const CFileTypeDescriptor& preselect, std::unique_ptr<CFileSpec>& file, CUnknownFileType& fileType)
{
    WindowPort::SFileDialogRequest request = MakeRequest(WindowPort::EFileDialogKind::kSave, prompt, types);
    request.proposedName = proposedName != nullptr ? proposedName : "";
    const uint16_t position = PositionOf(types, preselect);
    // The all-types line, when there is one, comes before the types' own.
    request.selectedFilter = position + (request.filters.size() > types.GetCount() ? 1 : 0);
    if (types.GetCount() > 0)
        request.defaultSuffix = DefaultSuffix(types.Get(position));
    return AskForFile(request, file, fileType);
}

bool AskOpenFile(const char* prompt, const CFileTypeList& types, CUnknownFileType& fileType,
                 std::unique_ptr<CFileSpec>& file)
{
    return AskForFile(MakeRequest(WindowPort::EFileDialogKind::kOpen, prompt, types), file, fileType);
}

bool AskSaveFileOfType(uint32_t promptId, const char* proposedName, const CFileTypeDescriptor& type,
                       std::unique_ptr<CFileSpec>& file)
{
    return AskSaveFileOfType(Prompt(promptId).c_str(), proposedName, type, file);
}

bool AskSaveFile(uint32_t promptId, const char* proposedName, const CFileTypeList& types,
                 const CFileTypeDescriptor& preselect, std::unique_ptr<CFileSpec>& file, CUnknownFileType& fileType)
{
    return AskSaveFile(Prompt(promptId).c_str(), proposedName, types, preselect, file, fileType);
}

bool AskOpenFile(uint32_t promptId, const CFileTypeList& types, CUnknownFileType& fileType,
                 std::unique_ptr<CFileSpec>& file)
{
    return AskOpenFile(Prompt(promptId).c_str(), types, fileType, file);
}
