// The media host of an audio or video quiz: the control-hosting library and COM for the life of the
// quiz, one media item written to a file for playing, and the calls made on each block's media player
// (the system's Windows Media Player control).
#pragma once

#include <windows.h>

#include <wmp.h>

// One question block's player. Every member is null for a block without a player.
struct MediaSlot {
    HWND host; // the block's host window (id 9900 + n)
    IWMPPlayer* player;
    IWMPControls* controls;
};

using AtlAxAttachControlProc = HRESULT(WINAPI*)(IUnknown* control, HWND window, IUnknown** container);

extern HMODULE mediaLibrary;                 // "atl.dll", loaded for an audio or video quiz
extern AtlAxAttachControlProc attachControl; // its AtlAxAttachControl, or null
extern char currentMediaPath[MAX_PATH];      // the media file written last; kept after its deletion

// The one write of an extracted item's bytes: WriteFile, replaced by tests to fail as a full disk does.
using MediaWriteFileProc = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
extern MediaWriteFileProc mediaWriteFile;

// For an audio or video quiz: loads "atl.dll", finds its attach function and initialises COM. Any other
// quiz kind touches neither.
void InstallMediaHost();

// For an audio or video quiz: destroys the main window (the players go with it), then releases COM and
// the library.
void ShutdownMediaHost(HWND mainWindow);

// Writes the "IMG" resource `resourceId` of the program to "<mediaDirectory>jorvo<id>.<ext>" (extension
// from its first bytes) and records the path in currentMediaPath. Answers 1 when the whole file was
// written; otherwise 0, currentMediaPath unchanged and no partial file left. mediaType 1 (audio) or
// 2 (video) picks the wording of the message shown when the item cannot be loaded or written; a missing
// resource gives no message. `panel` is not used.
int ExtractMediaResource(HWND panel, int resourceId, int mediaType);

// Creates a player for `host`, shows it there without controls of its own and starting only when told
// to, and fills `slot`. Answers 0 when the player cannot be created (COM not initialised, no player
// installed). When the library has no attach function the player cannot be shown: it is released, the
// slot stays empty (the block shows its bare host window, and play and stop pass it over) and the answer
// is 1, so the panel still builds.
int CreateMediaPlayer(MediaSlot* slot, HWND host);

// Hands `path` (ANSI code page, at most 511 characters) to the slot's player and starts it. Answers 1
// when the player started; 0 for an empty slot, a path that cannot be converted or a medium the player
// cannot play (no decoder for it, no audio device), which leaves the player stopped and the file free.
int StartMediaPlayer(MediaSlot* slot, const char* path);

// Stops the slot's player; an empty slot is passed over, and a player that plays nothing is not harmed.
void StopMediaPlayer(MediaSlot* slot);
