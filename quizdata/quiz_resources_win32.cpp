// The loader's access to "PATCH" resources of a module. Resource data is read-only: the loader copies a
// piece before it descrambles it.
#include "quizdata/quiz_loader.h"
#include "quizdata/quiz_loader_win32.h"

namespace {

struct ModuleResources {
    HMODULE module;
    HGLOBAL loaded[3]; // PATCH 104, 105 and 106 while they are in use
};

HGLOBAL& LoadedSlot(ModuleResources* resources, int id) {
    return resources->loaded[id == kQuizPieceId ? 0 : id == kScorePieceId ? 1 : 2];
}

void FindPiece(void* context, int id, const uint8_t** bytes, size_t* size) {
    auto* resources = static_cast<ModuleResources*>(context);
    *bytes = nullptr;
    *size = 0;
    HRSRC found = FindResourceA(resources->module, MAKEINTRESOURCEA(id), "PATCH");
    if (!found) return;
    HGLOBAL loaded = LoadResource(resources->module, found);
    if (!loaded) return;
    LoadedSlot(resources, id) = loaded;
    const void* data = LockResource(loaded);
    if (!data) return;
    *bytes = static_cast<const uint8_t*>(data);
    *size = SizeofResource(resources->module, found);
}

void ReleasePiece(void* context, int id) {
    HGLOBAL& loaded = LoadedSlot(static_cast<ModuleResources*>(context), id);
    if (loaded) FreeResource(loaded);
    loaded = nullptr;
}

} // namespace

void LoadQuizFromModule(QuizDocument* document, HMODULE module, const uint8_t* builtInBlock,
                        size_t blockSize) {
    ModuleResources resources = {module, {nullptr, nullptr, nullptr}};
    // No message function: every message goes to ShowUserMessage, a box without an owner.
    const QuizResourceAccess access = {&resources, builtInBlock, blockSize, FindPiece, ReleasePiece, nullptr};
    QuizLoader::load(document, access);
}
