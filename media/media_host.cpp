#include "media/media_host.h"

#include <cstring>

#include "media/media_sniffing.h"
#include "quizdata/user_message.h"
#include "shell/shell_state.h"

HMODULE mediaLibrary = nullptr;
AtlAxAttachControlProc attachControl = nullptr;
char currentMediaPath[MAX_PATH] = "";
MediaWriteFileProc mediaWriteFile = WriteFile;

namespace {

// The Windows Media Player control and its player interface.
const CLSID kWindowsMediaPlayer = {
    0x6bf52a52, 0x394a, 0x11d3, {0xb1, 0x53, 0x00, 0xc0, 0x4f, 0x79, 0xfa, 0xa6}};
const IID kWmpPlayerInterface = {
    0x6bf52a4f, 0x394a, 0x11d3, {0xb1, 0x53, 0x00, 0xc0, 0x4f, 0x79, 0xfa, 0xa6}};

constexpr int kMaxWidePath = 512; // characters, the terminator included

bool mediaHostActive = false; // an audio or video quiz installed the host
bool comInitialised = false;  // CoInitialize succeeded and is owed its CoUninitialize

bool IsMediaQuiz() {
    return quizDocument && (quizDocument->quizKind == kQuizAudio || quizDocument->quizKind == kQuizVideo);
}

void ReportMediaFailure(int mediaType) {
    if (mediaType == 1) ShowUserMessage("Impossible de charger le fichier audio.", "Jorvo", kMessageOk);
    if (mediaType == 2) ShowUserMessage("Impossible de charger le fichier vid\xE9o.", "Jorvo", kMessageOk);
}

// Writes all of `data` to a new `path`; a file that is left incomplete is removed.
bool WriteWholeFile(const char* path, const void* data, DWORD size) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool complete = size == 0 || (mediaWriteFile(file, data, size, &written, nullptr) && written == size);
    complete = CloseHandle(file) && complete;
    if (!complete) DeleteFileA(path);
    return complete;
}

} // namespace

void InstallMediaHost() {
    if (!IsMediaQuiz()) return;
    mediaHostActive = true;
    mediaLibrary = LoadLibraryA("atl.dll");
    // Without the library COM stays off, so the question panel cannot create players.
    if (!mediaLibrary) return;
    attachControl = reinterpret_cast<AtlAxAttachControlProc>(
        reinterpret_cast<void (*)()>(GetProcAddress(mediaLibrary, "AtlAxAttachControl")));
    comInitialised = SUCCEEDED(CoInitialize(nullptr));
}

void ShutdownMediaHost(HWND mainWindow) {
    if (!mediaHostActive) return;
    DestroyWindow(mainWindow);
    if (comInitialised) CoUninitialize();
    comInitialised = false;
    if (mediaLibrary) FreeLibrary(mediaLibrary);
    mediaLibrary = nullptr;
    attachControl = nullptr;
    mediaHostActive = false;
}

int ExtractMediaResource(HWND, int resourceId, int mediaType) {
    HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(resourceId), "IMG");
    if (!resource) return 0;
    DWORD size = SizeofResource(nullptr, resource);
    HGLOBAL loaded = LoadResource(nullptr, resource);
    if (!loaded) {
        ReportMediaFailure(mediaType);
        return 0;
    }
    const auto* bytes = static_cast<const uint8_t*>(LockResource(loaded));
    if (!bytes) return 0;

    // mediaDirectory fills its whole array when nothing ends it: copy it with its end guaranteed.
    char directory[sizeof quizDocument->mediaDirectory + 1] = "";
    if (quizDocument)
        std::memcpy(directory, quizDocument->mediaDirectory,
                    strnlen(quizDocument->mediaDirectory, sizeof quizDocument->mediaDirectory));
    char path[MAX_PATH];
    if (!FormatMediaPath(path, sizeof path, directory, resourceId, SniffMediaExtension(bytes, size)) ||
        !WriteWholeFile(path, bytes, size)) {
        ReportMediaFailure(mediaType);
        return 0;
    }
    lstrcpynA(currentMediaPath, path, sizeof currentMediaPath);
    return 1;
}

int CreateMediaPlayer(MediaSlot* slot, HWND host) {
    if (!slot) return 0;
    *slot = MediaSlot{host, nullptr, nullptr};
    IWMPPlayer* player = nullptr;
    HRESULT created = CoCreateInstance(kWindowsMediaPlayer, nullptr,
                                       CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                                       kWmpPlayerInterface, reinterpret_cast<void**>(&player));
    if (FAILED(created) || !player) return 0;
    if (!attachControl) {
        // A player that is not hosted in a window cannot be shown; the block keeps its bare host window.
        player->Release();
        return 1;
    }
    attachControl(player, host, nullptr);
    slot->player = player;
    IWMPControls* controls = nullptr;
    if (SUCCEEDED(player->get_controls(&controls))) slot->controls = controls;
    // Left on, put_URL would already play. Where the file cannot be rendered (no decoder for it, no
    // audio device) Wine's player then keeps a half-built graph, and the play that follows calls
    // through its null media control: the player would die. Started only by play, it just fails.
    IWMPSettings* settings = nullptr;
    if (SUCCEEDED(player->get_settings(&settings)) && settings) {
        settings->put_autoStart(VARIANT_FALSE);
        settings->Release();
    }
    BSTR none = SysAllocString(L"none");
    player->put_uiMode(none); // Wine's player answers E_NOTIMPL; it has no controls to hide anyway
    SysFreeString(none);
    return 1;
}

int StartMediaPlayer(MediaSlot* slot, const char* path) {
    if (!slot || !slot->player || !slot->controls || !path) return 0;
    wchar_t widePath[kMaxWidePath];
    if (!MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, kMaxWidePath)) return 0;
    BSTR url = SysAllocString(widePath);
    if (!url) return 0;
    slot->player->put_URL(url);
    SysFreeString(url);
    // A play that fails leaves what it built half-built; stopping releases it, so that nothing
    // later calls through it and the file is free to be deleted.
    if (SUCCEEDED(slot->controls->play())) return 1;
    slot->controls->stop();
    return 0;
}

void StopMediaPlayer(MediaSlot* slot) {
    if (slot && slot->controls) slot->controls->stop();
}
