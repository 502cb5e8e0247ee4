#include "studio_fixture.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include "tools/studio/studio_fields.h"
#include "tools/studio/studio_ids.h"
#include "tools/studio/studio_startup.h"
#include "tools/studio/studio_text.h"

std::vector<std::string> shownMessages;
int messageAnswer = IDNO;
std::map<std::string, std::string> choices;
std::vector<std::string> askedChoices;

namespace {

int RecordMessage(const std::string& text, UINT) {
    shownMessages.push_back(text);
    return messageAnswer;
}

std::string AnswerChoice(const char* purpose) {
    askedChoices.push_back(purpose);
    const auto found = choices.find(purpose);
    return found == choices.end() ? std::string() : found->second;
}

} // namespace

void StudioFixture::SetUpStudio() {
    if (studioWindow) return;
    StartStudio(GetModuleHandleW(nullptr));
    OpenStudioWindow(GetModuleHandleW(nullptr), "", SW_SHOWNORMAL);
    studioMessageHook = RecordMessage;
    studioChoiceHook = AnswerChoice;
}

void StudioFixture::NewQuizForTest() {
    SetUpStudio();
    studioDocument->changed = false;
    NewStudioDocument(studioDocument);
    mediaChecks->clear();
    ShowStudioDocument(studioWindow);
    SetControlText1252(studioWindow, kTryEdit, "");
    shownMessages.clear();
    askedChoices.clear();
    choices.clear();
    messageAnswer = IDNO;
}

void StudioFixture::Type(int id, const std::string& cp1252) {
    HWND edit = GetDlgItem(studioWindow, id);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(WideFrom1252(cp1252).c_str()));
}

void StudioFixture::Pick(int id, int index) {
    HWND combo = GetDlgItem(studioWindow, id);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(studioWindow, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::string StudioFixture::Text(int id) {
    return ControlText1252(studioWindow, id);
}

std::string StudioFixture::Cell(int id, int row, int column) {
    wchar_t text[512] = L"";
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 512;
    SendDlgItemMessageW(studioWindow, id, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(&item));
    return Utf8FromWide(text);
}

int StudioFixture::Rows(int id) {
    return static_cast<int>(SendDlgItemMessageW(studioWindow, id, LVM_GETITEMCOUNT, 0, 0));
}

void StudioFixture::Drop(const std::vector<std::string>& files, POINT point) {
    std::wstring names;
    for (const std::string& file : files)
        names += WidePath(file) + L'\0';
    names += L'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = point;
    drop->fWide = TRUE;
    CopyMemory(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(),
               names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    SendMessageW(studioWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

POINT StudioFixture::CentreOf(int id) {
    RECT rect{};
    HWND control = GetDlgItem(studioWindow, id);
    GetWindowRect(control, &rect);
    POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ScreenToClient(studioWindow, &centre);
    return centre;
}

std::string ScratchFolderForTest() {
    static unsigned count = 0;
    wchar_t temporary[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temporary);
    std::wstring folder = std::wstring(temporary) + L"studio-test-" + std::to_wstring(GetCurrentProcessId()) +
                          L"-" + std::to_wstring(++count);
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    return Utf8FromWide(folder.c_str());
}

void WriteFileForTest(const std::string& utf8Path, const std::string& bytes) {
    HANDLE file =
        CreateFileW(WidePath(utf8Path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

bool ReadFileForTest(const std::string& utf8Path, std::string* bytes) {
    HANDLE file = CreateFileW(WidePath(utf8Path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bytes->assign(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    const BOOL ok =
        bytes->empty() || ReadFile(file, &(*bytes)[0], static_cast<DWORD>(bytes->size()), &read, nullptr);
    CloseHandle(file);
    return ok && read == bytes->size();
}
