#include "tools/studio/studio_text.h"

#include <vector>

#include "tools/studio/studio_state.h"

namespace {

std::wstring Widen(UINT codePage, const std::string& text) {
    if (text.empty()) return std::wstring();
    const int length =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

std::string Narrow(UINT codePage, const std::wstring& wide) {
    if (wide.empty()) return std::string();
    const int length = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                           0, nullptr, nullptr);
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), &text[0], length, nullptr,
                        nullptr);
    return text;
}

std::wstring WideControlText(HWND parent, int id) {
    HWND control = GetDlgItem(parent, id);
    const int length = GetWindowTextLengthW(control);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(control, text.data(), length + 1);
    return text.data();
}

} // namespace

std::wstring WideFrom1252(const std::string& cp1252) {
    return Widen(1252, cp1252);
}
std::string Cp1252FromWide(const std::wstring& wide) {
    return Narrow(1252, wide);
}

std::string ControlText1252(HWND parent, int id) {
    return Cp1252FromWide(WideControlText(parent, id));
}
void SetControlText1252(HWND parent, int id, const std::string& cp1252) {
    SetDlgItemTextW(parent, id, WideFrom1252(cp1252).c_str());
}
std::string ControlTextUtf8(HWND parent, int id) {
    return Utf8FromWide(WideControlText(parent, id).c_str());
}
void SetControlTextUtf8(HWND parent, int id, const std::string& utf8) {
    SetDlgItemTextW(parent, id, WidePath(utf8).c_str());
}

int (*studioMessageHook)(const std::string& cp1252, UINT flags) = nullptr;
std::string (*studioChoiceHook)(const char* purpose) = nullptr;

int StudioMessage(const std::string& cp1252, UINT flags) {
    if (studioMessageHook) return studioMessageHook(cp1252, flags);
    return MessageBoxW(studioWindow, WideFrom1252(cp1252).c_str(), L"Jorvo Studio", flags);
}
