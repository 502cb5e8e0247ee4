#include "tools/studio/studio_controls.h"

#include <commctrl.h>

#include "judging/text_ops.h"
#include "quizdata/extra_spellings.h"
#include "quizdata/quiz_document.h"
#include "tools/studio/studio_ids.h"
#include "tools/studio/studio_state.h"
#include "tools/studio/studio_text.h"

namespace {

struct ControlDefinition {
    int id;
    const wchar_t* className;
    const char* text; // Windows-1252
    DWORD style;
    int limit; // EM_LIMITTEXT for edit fields, 0 for none
};

constexpr DWORD kLabel = SS_LEFT | SS_CENTERIMAGE;
constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kCombo = WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kList = WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;

// In tab order: each label stands just before its field, so that its mnemonic reaches the field.
// An answer field holds every spelling of its answer, " | " between them.
constexpr int kAnswerFieldLimit = kMaxSpellingsLength + 3 * (kMaxSpellings - 1);

const ControlDefinition kControls[] = {
    {kTitleLabel, L"Static", "&Titre :", kLabel, 0},
    {kTitleEdit, L"Edit", "", kEdit, kTextSize - 1},
    {kAuthorLabel, L"Static", "A&uteur :", kLabel, 0},
    {kAuthorEdit, L"Edit", "", kEdit, kTextSize - 1},
    {kExplanationLabel, L"Static", "E&xplication :", kLabel, 0},
    {kExplanationEdit, L"Edit", "", kEdit, kTextSize - 1},
    {kKindLabel, L"Static", "&Genre :", kLabel, 0},
    {kKindCombo, L"ComboBox", "", kCombo, 0},
    {kAnswersLabel, L"Static", "Nom&bre de r\xE9ponses :", kLabel, 0},
    {kAnswersCombo, L"ComboBox", "", kCombo, 0},
    {kRevealModeLabel, L"Static", "R\xE9v\xE9lati&on :", kLabel, 0},
    {kRevealModeCombo, L"ComboBox", "", kCombo, 0},
    {kColourButton, L"Button", "Cou&leur\x85", kButton, 0},
    {kColourSample, L"Static", "", SS_LEFT | WS_BORDER, 0},
    {kLabel1Label, L"Static", "&Intitul\xE9 1 :", kLabel, 0},
    {kLabel1Edit, L"Edit", "", kEdit, kTextSize - 1},
    {kLabel2Label, L"Static", "I&ntitul\xE9 2 :", kLabel, 0},
    {kLabel2Edit, L"Edit", "", kEdit, kTextSize - 1},
    {kScoresLabel, L"Static", "Codes des &scores (un par ligne) :", kLabel, 0},
    {kScoresEdit, L"Edit", "", kEdit | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL, 0},
    {kScoresNote, L"Static", "", kLabel, 0},
    {kQuestionsLabel, L"Static", "&Questions :", kLabel, 0},
    {kQuestionList, WC_LISTVIEWW, "", kList, 0},
    {kCommandAdd, L"Button", "&Ajouter", kButton, 0},
    {kCommandInsert, L"Button", "Ins\xE9&rer", kButton, 0},
    {kCommandDelete, L"Button", "Su&pprimer", kButton, 0},
    {kCommandUp, L"Button", "&Monter", kButton, 0},
    {kCommandDown, L"Button", "&Descendre", kButton, 0},
    {kQuestionTextLabel, L"Static", "\xC9non&c\xE9 :", kLabel, 0},
    {kQuestionTextEdit, L"Edit", "", kEdit, kTextSize - 1},
    {kAnswer1Label, L"Static", "R\xE9ponse &1 :", kLabel, 0},
    {kAnswer1Edit, L"Edit", "", kEdit, kAnswerFieldLimit},
    {kAnswer2Label, L"Static", "R\xE9ponse &2 :", kLabel, 0},
    {kAnswer2Edit, L"Edit", "", kEdit, kAnswerFieldLimit},
    {kRevealLabel, L"Static", "Texte r\xE9&v\xE9l\xE9 :", kLabel, 0},
    {kRevealEdit, L"Edit", "", kEdit, kTextSize - 1},
    {kMediaLabel, L"Static", "Fic&hier :", kLabel, 0},
    {kMediaEdit, L"Edit", "", kEdit, MAX_PATH},
    {kMediaBrowse, L"Button", "Parcourir\x85", kButton, 0},
    {kRewardLabel, L"Static", "R\xE9\x63ompens&e :", kLabel, 0},
    {kRewardEdit, L"Edit", "", kEdit, MAX_PATH},
    {kRewardBrowse, L"Button", "Parcourir\x85", kButton, 0},
    {kThumbnail, L"Static", "", SS_BITMAP | SS_CENTERIMAGE | WS_BORDER, 0},
    {kTryLabel, L"Static", "Tester une r\xE9ponse (F7) :", kLabel, 0},
    {kTryEdit, L"Edit", "", kEdit, kMaxAnswerLength},
    {kTryVerdict, L"Static", "?", SS_CENTER | SS_CENTERIMAGE, 0},
    {kProblemsLabel, L"Static", "Probl\xE8mes (F6 ; Entr\xE9\x65 ou double clic pour y aller) :", kLabel, 0},
    {kProblemList, WC_LISTVIEWW, "", kList, 0},
};

const char* const kKindNames[] = {"Liste de textes", "Images", "Sons", "Films"};
const char* const kRevealModeNames[] = {
    "0 : rien",
    "1 : une image de r\xE9\x63ompense",
    "2 : le texte r\xE9v\xE9l\xE9",
    "3 : l'image et le texte",
    "4 : tous les textes, le quiz fini",
    "5 : le nombre de mots, d\xE8s le d\xE9\x62ut",
    "6 : rien (comme 0)",
};

void AddComboItems(HWND window, int id, const char* const* items, int count) {
    for (int i = 0; i < count; ++i)
        SendDlgItemMessageW(window, id, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(WideFrom1252(items[i]).c_str()));
}

void AddColumn(HWND list, int index, const char* title, int width) {
    const std::wstring text = WideFrom1252(title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void Place(HWND window, int id, int x, int y, int width, int height) {
    SetWindowPos(GetDlgItem(window, id), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A label and its field on one row; answers the x after the field.
int Row(HWND window, int labelId, int x, int y, int labelWidth, int fieldWidth) {
    Place(window, labelId, x, y, labelWidth, 22);
    Place(window, labelId + 1, x + labelWidth, y, fieldWidth,
          labelId + 1 == kKindCombo || labelId + 1 == kAnswersCombo || labelId + 1 == kRevealModeCombo ? 200
                                                                                                       : 22);
    return x + labelWidth + fieldWidth;
}

void SetColumnWidth(HWND window, int id, int column, int width) {
    SendDlgItemMessageW(window, id, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), width > 40 ? width : 40);
}

WNDPROC scoresEditProcedure = nullptr; // the multi-line edit's own procedure

// The score codes' field takes Enter (a new code) but leaves Tab to the window, which moves on: a
// multi-line edit would otherwise keep the keyboard.
LRESULT CALLBACK ScoresField(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(scoresEditProcedure, edit, message, wParam, lParam);
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    if (message == WM_GETDLGCODE && key && key->message == WM_KEYDOWN && key->wParam == VK_TAB)
        return result & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
    return result;
}

void Enable(HWND window, int id, bool enabled) {
    EnableWindow(GetDlgItem(window, id), enabled);
}

} // namespace

void CreateStudioControls(HWND window) {
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (const ControlDefinition& entry : kControls) {
        // Fields and lists sunk into the window, as the system's own dialogs draw them.
        const bool sunk = (entry.style & WS_BORDER) && entry.id != kColourSample && entry.id != kThumbnail;
        const DWORD style = sunk ? entry.style & ~WS_BORDER : entry.style;
        HWND control = CreateWindowExW(
            sunk ? WS_EX_CLIENTEDGE : 0, entry.className, WideFrom1252(entry.text).c_str(),
            WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), GetModuleHandleW(nullptr), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (entry.limit) SendMessageW(control, EM_LIMITTEXT, static_cast<WPARAM>(entry.limit), 0);
    }
    scoresEditProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        GetDlgItem(window, kScoresEdit), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ScoresField)));
    AddComboItems(window, kKindCombo, kKindNames, 4);
    static const char* const kAnswerCounts[] = {"1", "2"};
    AddComboItems(window, kAnswersCombo, kAnswerCounts, 2);
    AddComboItems(window, kRevealModeCombo, kRevealModeNames, 7);

    HWND questions = GetDlgItem(window, kQuestionList);
    SendMessageW(questions, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    AddColumn(questions, 0, "N\xB0", 40);
    AddColumn(questions, 1, "\xC9tat", 56);
    AddColumn(questions, 2, "Question", 170);
    AddColumn(questions, 3, "R\xE9ponse(s)", 110);
    AddColumn(questions, 4, "Fichier", 110);
    HWND problems = GetDlgItem(window, kProblemList);
    SendMessageW(problems, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    AddColumn(problems, 0, "Question", 70);
    AddColumn(problems, 1, "Probl\xE8me", 600);
}

void LayoutStudio(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right, height = client.bottom;
    const int scoresWidth = 260;
    const int settingsRight = width - scoresWidth - 16;
    const int half = (settingsRight - 8) / 2;

    // Quiz settings: four rows across the top, the score codes at their right.
    int x = Row(window, kTitleLabel, 8, 8, 70, half - 78);
    Row(window, kAuthorLabel, x + 8, 8, 56, settingsRight - x - 64);
    Row(window, kExplanationLabel, 8, 36, 70, settingsRight - 78);
    x = Row(window, kKindLabel, 8, 64, 70, 110);
    x = Row(window, kAnswersLabel, x + 10, 64, 118, 40);
    x = Row(window, kRevealModeLabel, x + 10, 64, 70, 200);
    Place(window, kColourButton, x + 10, 63, 80, 24);
    Place(window, kColourSample, x + 96, 64, settingsRight - x - 96 > 24 ? settingsRight - x - 96 : 24, 22);
    x = Row(window, kLabel1Label, 8, 92, 70, half - 78);
    Row(window, kLabel2Label, x + 8, 92, 64, settingsRight - x - 72);
    Place(window, kScoresLabel, settingsRight + 8, 4, scoresWidth, 18);
    Place(window, kScoresEdit, settingsRight + 8, 22, scoresWidth, 70);
    Place(window, kScoresNote, settingsRight + 8, 92, scoresWidth, 22);

    // The question list at the left, the editor, the answer tryer and the problems at the right.
    const int top = 124;
    const int listWidth = (width - 24) * 11 / 20;
    Place(window, kQuestionsLabel, 8, top, listWidth, 18);
    Place(window, kQuestionList, 8, top + 18, listWidth, height - top - 58);
    const int buttonWidth = (listWidth - 4 * 6) / 5;
    for (int i = 0; i < 5; ++i)
        Place(window, kCommandAdd + i, 8 + i * (buttonWidth + 6), height - 34, buttonWidth, 26);

    const int left = 16 + listWidth, right = width - 8, fieldLeft = left + 84;
    const int fieldWidth = right - fieldLeft;
    Row(window, kQuestionTextLabel, left, top + 18, 84, fieldWidth);
    Row(window, kAnswer1Label, left, top + 46, 84, fieldWidth);
    Row(window, kAnswer2Label, left, top + 74, 84, fieldWidth);
    Row(window, kRevealLabel, left, top + 102, 84, fieldWidth);
    Row(window, kMediaLabel, left, top + 130, 84, fieldWidth - 90);
    Place(window, kMediaBrowse, right - 84, top + 129, 84, 24);
    Row(window, kRewardLabel, left, top + 158, 84, fieldWidth - 90);
    Place(window, kRewardBrowse, right - 84, top + 157, 84, 24);
    Place(window, kThumbnail, fieldLeft, top + 188, 120, 90);
    const int tryLeft = fieldLeft + 130;
    Place(window, kTryLabel, tryLeft, top + 188, right - tryLeft, 20);
    Place(window, kTryEdit, tryLeft, top + 210, right - tryLeft - 100, 22);
    Place(window, kTryVerdict, right - 94, top + 210, 94, 22);
    Place(window, kProblemsLabel, left, top + 284, right - left, 18);
    Place(window, kProblemList, left, top + 302, right - left, height - top - 310);

    // The columns share what the lists' widths leave (a scroll bar's room kept).
    const int rest = listWidth - 40 - 56 - 24;
    SetColumnWidth(window, kQuestionList, 2, rest * 9 / 20);
    SetColumnWidth(window, kQuestionList, 3, rest * 6 / 20);
    SetColumnWidth(window, kQuestionList, 4, rest - rest * 9 / 20 - rest * 6 / 20);
    SetColumnWidth(window, kProblemList, 1, right - left - 70 - 24);
    InvalidateRect(window, nullptr, TRUE);
}

void EnableStudioFields(HWND window) {
    const QuizContent& quiz = studioDocument->source.content;
    const bool selected = studioDocument->selected >= 0;
    const bool twoAnswers = quiz.answersPerQuestion == 2;
    const bool media = quiz.quizKind != kQuizText;
    const bool rewards = quiz.quizKind == kQuizPictures && (quiz.revealMode == 1 || quiz.revealMode == 3);
    const bool reveals = media && quiz.revealMode >= 2 && quiz.revealMode <= 4;
    Enable(window, kLabel1Edit, media && twoAnswers);
    Enable(window, kLabel2Edit, media && twoAnswers);
    for (int id : {int(kQuestionTextEdit), int(kAnswer1Edit), int(kTryEdit), int(kCommandDelete),
                   int(kCommandUp), int(kCommandDown)})
        Enable(window, id, selected);
    Enable(window, kAnswer2Edit, selected && twoAnswers);
    Enable(window, kRevealEdit, selected && reveals);
    Enable(window, kMediaEdit, selected && media);
    Enable(window, kMediaBrowse, selected && media);
    Enable(window, kRewardEdit, selected && rewards);
    Enable(window, kRewardBrowse, selected && rewards);
}
