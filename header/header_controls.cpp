#include "header/header_controls.h"

#include "header/header_ids.h"
#include "shell/shell_helpers.h"
#include "shell/shell_state.h"

namespace {

enum class Font { Gui, Link, Title, Score, None };

struct Created {
    int id;
    const char* windowClass;
    DWORD style; // beside WS_CHILD | WS_VISIBLE
    int x, y, width, height;
    Font font;
};

// In creation order, which is also the tab and z-order of the panel.
constexpr Created kCreated[] = {
    {kLinkLabelId, "Static", SS_NOTIFY, 736, 5, 115, 18, Font::Link},
    {kByLabelId, "Static", 0, 736, 25, 27, 18, Font::Gui},
    {kAuthorLabelId, "Static", 0, 763, 25, 85, 18, Font::Gui},
    {kHideBoxId, "button", BS_AUTOCHECKBOX, 666, 5, 65, 18, Font::Gui},
    {kSaveButtonId, "button", 0, 666, 25, 55, 18, Font::Gui},
    {kExplanationLabelId, "Static", 0, 110, 19, 490, 27, Font::Gui},
    {kTitleLabelId, "Static", 0, 110, 3, 190, 18, Font::Title},
    {kCodeLabelId, "Static", 0, 7, 29, 36, 15, Font::Gui},
    {kScoreLabelId, "Static", SS_CENTER, 10, 1, 80, 20, Font::Score},
    {kCodeFieldId, "edit", ES_READONLY, 44, 29, 53, 16, Font::Gui},
    {kScoreRuleId, "Static", WS_BORDER, 0, 26, 100, 1, Font::None},
    {kCornerRuleId, "Static", WS_BORDER, 100, 0, 1, 50, Font::None},
    {kGroupRuleId, "Static", WS_BORDER, 730, 0, 1, 50, Font::None},
};

// Where a control goes for client width W: x is W - x when xFromRight, the width W - width when
// widthFromRight.
struct Placed {
    int id;
    int x, y, width, height;
    bool xFromRight, widthFromRight;
    bool repaint; // those that do not repaint by themselves when moved
};

constexpr Placed kPlaced[] = {
    {kTitleLabelId, 110, 3, 350, 18, false, true, false},
    {kLinkLabelId, 134, 0, 115, 18, true, false, false},
    {kByLabelId, 134, 25, 26, 18, true, false, false},
    {kAuthorLabelId, 107, 25, 105, 18, true, false, true},
    {kSaveButtonId, 204, 25, 55, 18, true, false, true},
    {kExplanationLabelId, 110, 19, 324, 28, false, true, true},
    {kGroupRuleId, 145, 0, 1, 50, true, false, true},
};
constexpr Placed kHideBoxPlace = {kHideBoxId, 204, 0, 85, 18, true, false, true};

// Copies a document text that may fill its whole array without its terminator.
void CopyText(char* out, int outSize, const char* text, int textSize) {
    lstrcpynA(out, text, textSize + 1 < outSize ? textSize + 1 : outSize);
}

void TextOf(int id, const QuizDocument* document, char* text, int size) {
    text[0] = '\0';
    switch (id) {
    case kByLabelId: lstrcpynA(text, "Par :", size); break;
    case kCodeLabelId: lstrcpynA(text, " Code :", size); break;
    case kHideBoxId: lstrcpynA(text, "Cacher", size); break;
    case kSaveButtonId: lstrcpynA(text, "Sauver", size); break;
    case kScoreLabelId: wsprintfA(text, " 0 / %d", document ? document->questionCount : 0); break;
    default:
        if (!document) break;
        if (id == kLinkLabelId) CopyText(text, size, document->linkText, sizeof document->linkText);
        if (id == kAuthorLabelId) CopyText(text, size, document->author, sizeof document->author);
        if (id == kExplanationLabelId)
            CopyText(text, size, document->explanation, sizeof document->explanation);
        if (id == kTitleLabelId) CopyText(text, size, document->title, sizeof document->title);
        break;
    }
}

void SetFont(HWND control, Font font, const QuizDocument* document) {
    const WPARAM gui = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    switch (font) {
    case Font::Gui: SendMessageA(control, WM_SETFONT, gui, TRUE); break;
    case Font::Link: ApplyLinkStyle(control); break;
    case Font::Title:
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(document ? document->titleFont : nullptr),
                     FALSE);
        break;
    case Font::Score:
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(document ? document->scoreFont : nullptr),
                     FALSE);
        break;
    case Font::None: break;
    }
}

void Place(HWND panel, const Placed& place, int width) {
    HWND control = GetDlgItem(panel, place.id);
    if (!control) return;
    SetWindowPos(control, nullptr, place.xFromRight ? width - place.x : place.x, place.y,
                 place.widthFromRight ? width - place.width : place.width, place.height,
                 SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

// The size message that comes before the controls exist must not repaint the desktop (a null window).
void Repaint(HWND panel, int id) {
    if (HWND control = GetDlgItem(panel, id)) InvalidateRect(control, nullptr, TRUE);
}

} // namespace

void CreateHeaderControls(HWND panel, const QuizDocument* document) {
    const bool pictures = document && document->quizKind == kQuizPictures;
    for (const Created& created : kCreated) {
        if (created.id == kHideBoxId && !pictures) continue;
        char text[kTextSize];
        TextOf(created.id, document, text, sizeof text);
        HWND control = CreateWindowExA(0, created.windowClass, text, WS_CHILD | WS_VISIBLE | created.style,
                                       created.x, created.y, created.width, created.height, panel,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(created.id)),
                                       ProgramInstance(), nullptr);
        // A control that could not be made is left out; the rest of the panel still works.
        if (!control) continue;
        // Creation drops a leading 0xFF byte (it would mark a resource number): set such a text again.
        if (text[0] == '\xFF') SetWindowTextA(control, text);
        SetFont(control, created.font, document);
    }
}

void PlaceHeaderControls(HWND panel) {
    RECT client{};
    GetClientRect(panel, &client);
    for (const Placed& place : kPlaced)
        Place(panel, place, client.right);
    for (const Placed& place : kPlaced)
        if (place.repaint) Repaint(panel, place.id);
    // Only a picture quiz has the hide box.
    Place(panel, kHideBoxPlace, client.right);
    Repaint(panel, kHideBoxId);
}
