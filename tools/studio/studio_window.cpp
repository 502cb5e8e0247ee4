#include "tools/studio/studio_window.h"

#include <commctrl.h>
#include <commdlg.h>

#include "questionpanel/panel_colours.h"
#include "tools/studio/studio_build.h"
#include "tools/studio/studio_controls.h"
#include "tools/studio/studio_fields.h"
#include "tools/studio/studio_files.h"
#include "tools/studio/studio_ids.h"
#include "tools/studio/studio_state.h"
#include "tools/studio/studio_text.h"

namespace {

struct MenuItem {
    int id; // 0 for a separator
    const char* text;
};

const MenuItem kFileMenu[] = {
    {kCommandNew, "&Nouveau\tCtrl+N"},
    {kCommandOpen, "&Ouvrir\x85\tCtrl+O"},
    {kCommandOpenProgram, "Ouvrir un &programme Jorvo\x85"},
    {0, ""},
    {kCommandSave, "&Enregistrer\tCtrl+S"},
    {kCommandSaveAs, "Enregistrer &sous\x85\tCtrl+Maj+S"},
    {0, ""},
    {kCommandQuit, "&Quitter\tAlt+F4"},
};
const MenuItem kQuizMenu[] = {
    {kCommandAdd, "&Ajouter une question\tCtrl+Entr\xE9\x65"},
    {kCommandInsert, "&Ins\xE9rer une question\tCtrl+I"},
    {kCommandDelete, "&Supprimer la question\tCtrl+Suppr"},
    {kCommandUp, "&Monter la question\tAlt+Haut"},
    {kCommandDown, "&Descendre la question\tAlt+Bas"},
    {0, ""},
    {kCommandTryAnswer, "&Tester une r\xE9ponse\tF7"},
    {kCommandProblems, "Aller aux &probl\xE8mes\tF6"},
    {kCommandTryQuiz, "&Essayer le quiz\tF5"},
    {kCommandBuild, "&Cr\xE9\x65r le programme\x85\tCtrl+B"},
};

HMENU MakeMenu(const MenuItem* items, int count) {
    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < count; ++i)
        AppendMenuW(menu, items[i].id ? MF_STRING : MF_SEPARATOR, static_cast<UINT_PTR>(items[i].id),
                    WideFrom1252(items[i].text).c_str());
    return menu;
}

LRESULT OnCreate(HWND window) {
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(MakeMenu(kFileMenu, 8)), L"&Fichier");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(MakeMenu(kQuizMenu, 10)), L"Qui&z");
    SetMenu(window, bar);
    CreateStudioControls(window);
    return 0;
}

void OnMinMaxInfo(LPARAM lParam) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize.x = kStudioMinimumWidth;
    info->ptMinTrackSize.y = kStudioMinimumHeight;
}

void EditQuestions(HWND window, int command) {
    StudioDocument* document = studioDocument;
    const int count = static_cast<int>(document->source.content.questions.size());
    const int at = document->selected;
    bool done = false;
    if (command == kCommandAdd) done = InsertQuestion(document, count);
    if (command == kCommandInsert) done = InsertQuestion(document, at < 0 ? 0 : at);
    if (command == kCommandDelete && at >= 0) {
        DeleteQuestion(document, at);
        done = true;
    }
    if (command == kCommandUp) done = MoveQuestion(document, at, -1);
    if (command == kCommandDown) done = MoveQuestion(document, at, +1);
    if (!done) {
        if ((command == kCommandAdd || command == kCommandInsert) && count >= kMaxQuestions)
            StudioMessage(
                "Un quiz Jorvo a au plus 96 questions : celle-ci ne peut pas \xEAtre ajout\xE9\x65.",
                MB_ICONWARNING);
        return;
    }
    RefreshQuestionList(window);
    SelectQuestion(window, document->selected);
    RefreshProblems(window);
    RefreshTitleBar(window);
    if (command == kCommandAdd || command == kCommandInsert) SetFocus(GetDlgItem(window, kQuestionTextEdit));
}

void ChooseQuizColour(HWND window) {
    static COLORREF customColours[16];
    QuizContent& quiz = studioDocument->source.content;
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = window;
    choose.rgbResult = RGB(quiz.red, quiz.green, quiz.blue);
    choose.lpCustColors = customColours;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&choose)) return;
    quiz.red = GetRValue(choose.rgbResult);
    quiz.green = GetGValue(choose.rgbResult);
    quiz.blue = GetBValue(choose.rgbResult);
    studioDocument->changed = true;
    RefreshColourSample(window);
    RefreshTitleBar(window);
}

void FocusControl(HWND window, int id) {
    HWND control = GetDlgItem(window, id);
    SetFocus(control);
    SendMessageW(control, EM_SETSEL, 0, -1);
}

int SelectedRow(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// Enter, which the dialog keys turn into IDOK: on a problem, go to it; on a question, to its text.
void OnEnter(HWND window) {
    HWND focus = GetFocus();
    if (focus == GetDlgItem(window, kProblemList)) GoToProblem(window, SelectedRow(focus));
    if (focus == GetDlgItem(window, kQuestionList)) FocusControl(window, kQuestionTextEdit);
}

void OnCommand(HWND window, int id, int code) {
    switch (id) {
    case IDOK: OnEnter(window); return;
    case kColourButton: ChooseQuizColour(window); return;
    case kMediaBrowse: BrowseMediaFile(window, kMediaEdit); return;
    case kRewardBrowse: BrowseMediaFile(window, kRewardEdit); return;
    case kTryEdit:
        if (code == EN_CHANGE) JudgeTriedAnswer(window);
        return;
    default:
        if (id >= kCommandNew && id <= kCommandProblems && (code == 0 || code == 1 || code == BN_CLICKED))
            RunStudioCommand(window, id);
        else if (code == EN_CHANGE || code == CBN_SELCHANGE)
            TakeFieldEdit(window, id);
    }
}

LRESULT OnQuestionListNotify(HWND window, const NMHDR* header) {
    if (header->code == LVN_ITEMCHANGED) {
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
        if (!fillingControls && (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED) &&
            change->iItem != studioDocument->selected) {
            studioDocument->selected = change->iItem;
            ShowSelectedQuestion(window);
        }
    } else if (header->code == LVN_KEYDOWN) {
        const WORD key = reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey;
        if (key == VK_DELETE) EditQuestions(window, kCommandDelete);
        if (key == VK_INSERT) EditQuestions(window, kCommandInsert);
    }
    return 0;
}

LRESULT OnNotify(HWND window, const NMHDR* header) {
    if (header->idFrom == kQuestionList) return OnQuestionListNotify(window, header);
    if (header->idFrom == kProblemList && (header->code == NM_DBLCLK || header->code == NM_RETURN))
        GoToProblem(window, SelectedRow(header->hwndFrom));
    return 0;
}

LRESULT OnStaticColour(HWND window, HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    if (id == kColourSample && sampleBrush) return reinterpret_cast<LRESULT>(sampleBrush);
    if (id == kTryVerdict) {
        // The player's own colouring of its first verdict label.
        const INT_PTR brush = PanelLabelColour(judgeDocument, dc, control);
        if (brush) return brush;
    }
    return DefWindowProcW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
}

// Back from another program, where the author may have changed media files: check them afresh.
void OnComeBack(HWND window) {
    mediaChecks->clear();
    RefreshProblems(window);
    RefreshThumbnail(window);
}

void OnClose(HWND window) {
    if (ConfirmDiscard(window)) DestroyWindow(window);
}

} // namespace

void RunStudioCommand(HWND window, int id) {
    switch (id) {
    case kCommandNew: NewQuiz(window); return;
    case kCommandOpen: OpenQuizDialog(window); return;
    case kCommandOpenProgram: OpenProgramDialog(window); return;
    case kCommandSave: SaveQuiz(window); return;
    case kCommandSaveAs: SaveQuizAs(window); return;
    case kCommandQuit: PostMessageW(window, WM_CLOSE, 0, 0); return;
    case kCommandTryAnswer: FocusControl(window, kTryEdit); return;
    case kCommandProblems: SetFocus(GetDlgItem(window, kProblemList)); return;
    case kCommandTryQuiz: TryQuiz(window); return;
    case kCommandBuild: BuildProgram(window); return;
    default: EditQuestions(window, id); return;
    }
}

LRESULT CALLBACK StudioWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_SIZE: LayoutStudio(window); return 0;
    case WM_GETMINMAXINFO: OnMinMaxInfo(lParam); return 0;
    case WM_COMMAND: OnCommand(window, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_NOTIFY: return OnNotify(window, reinterpret_cast<const NMHDR*>(lParam));
    case WM_DROPFILES: TakeDroppedFiles(window, reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_CTLCOLORSTATIC:
        return OnStaticColour(window, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATEAPP:
        if (wParam) OnComeBack(window);
        return 0;
    case WM_CLOSE: OnClose(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}
