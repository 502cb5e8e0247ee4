#include "tools/common/player_template.h"

#include "tools/common/file_access.h"
#include "tools/common/messages.h"
#include "tools/common/file_bytes.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

#ifdef _WIN32
// The resource jorvo_carry_player_templates gives it: type JORVO_TEMPLATE, named by the architecture.
bool LoadCarriedTemplate(const std::string& arch, ByteVector* image) {
    const std::wstring name = arch == "x86_64" ? L"X86_64" : L"I686";
    HRSRC found = FindResourceW(nullptr, name.c_str(), L"JORVO_TEMPLATE");
    if (!found) return false;
    HGLOBAL loaded = LoadResource(nullptr, found);
    const DWORD size = SizeofResource(nullptr, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || !size) return false;
    const auto* first = static_cast<const uint8_t*>(bytes);
    image->assign(first, first + size);
    return true;
}
#endif

} // namespace

std::string PlayerTemplateFileName(const std::string& arch) {
    return "jorvo-template-" + arch + ".exe";
}

bool LoadPlayerTemplate(const std::string& arch, ByteVector* image, std::string* from, std::string* error) {
#ifdef _WIN32
    if (LoadCarriedTemplate(arch, image)) {
        *from = Say(Msg::TemplateBuiltIn);
        return true;
    }
#endif
    std::string folder = FolderOf(ProgramPath());
    if (folder.empty()) folder = ".";
    const std::string places[] = {folder + "/" + PlayerTemplateFileName(arch),
                                  folder + "/../share/jorvo/" + PlayerTemplateFileName(arch)};
    for (const std::string& place : places)
        if (ReadFileBytes(place, image)) {
            *from = place;
            return true;
        }
    *error = Say(Msg::TemplateNotFound, {PlayerTemplateFileName(arch), places[0], places[1]});
    return false;
}
