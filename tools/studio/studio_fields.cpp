#include "tools/studio/studio_fields.h"

#include <commctrl.h>

#include "judging/verdict.h"
#include "tools/source/answer_spellings.h"
#include "media/bitmap_fit.h"
#include "media/picture_loader.h"
#include "media/png/png_decoder.h"
#include "media/png_picture.h"
#include "tools/common/file_bytes.h"
#include "tools/source/quiz_project.h"
#include "tools/source/quiz_resources.h"
#include "tools/studio/studio_controls.h"
#include "tools/studio/studio_ids.h"
#include "tools/studio/studio_state.h"
#include "tools/studio/studio_text.h"

namespace {

QuestionContent* SelectedQuestion() {
    const int at = studioDocument->selected;
    auto& questions = studioDocument->source.content.questions;
    return at >= 0 && at < static_cast<int>(questions.size()) ? &questions[at] : nullptr;
}

QuestionMedia* SelectedMedia() {
    const int at = studioDocument->selected;
    auto& media = studioDocument->source.media;
    return at >= 0 && at < static_cast<int>(media.size()) ? &media[at] : nullptr;
}

// An answer field's text: every spelling it accepts, as the source writes them ("Londres | London").
std::string SpellingsText(const std::string& first, const std::vector<std::string>& others) {
    std::vector<std::string> spellings{first};
    spellings.insert(spellings.end(), others.begin(), others.end());
    return JoinSpellings(spellings);
}

void TakeSpellings(const std::string& text, std::string* first, std::vector<std::string>* others) {
    std::vector<std::string> spellings = SplitSpellings(text);
    *first = spellings.empty() ? std::string() : spellings.front();
    others->assign(spellings.empty() ? spellings.end() : spellings.begin() + 1, spellings.end());
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void SetCell(HWND list, int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void ShowQuestionRow(HWND list, int row) {
    const QuizContent& quiz = studioDocument->source.content;
    const QuestionContent& question = quiz.questions[row];
    std::string answers = SpellingsText(question.answer1, question.extraSpellings1);
    if (quiz.answersPerQuestion == 2)
        answers += " / " + SpellingsText(question.answer2, question.extraSpellings2);
    SetCell(list, row, 0, std::to_wstring(row + 1));
    SetCell(list, row, 2, WideFrom1252(question.questionText));
    SetCell(list, row, 3, WideFrom1252(answers));
    SetCell(list, row, 4, WidePath(FileNameOf(studioDocument->source.media[row].picture)));
}

// The marks of the question list: the worst problem of each question.
void ShowQuestionMarks(HWND window) {
    HWND list = GetDlgItem(window, kQuestionList);
    const int count = static_cast<int>(studioDocument->source.content.questions.size());
    std::vector<int> worst(static_cast<size_t>(count) + 1, 0);
    for (const StudioProblem& problem : *studioProblems)
        if (problem.question >= 1 && problem.question <= count) {
            int& mark = worst[static_cast<size_t>(problem.question)];
            mark = problem.error ? 2 : (mark ? mark : 1);
        }
    for (int row = 0; row < count; ++row) {
        const int mark = worst[static_cast<size_t>(row) + 1];
        SetCell(list, row, 1, mark == 2 ? L"erreur" : mark == 1 ? L"avert." : L"");
    }
}

void ShowScoresNote(HWND window) {
    const QuizContent& quiz = studioDocument->source.content;
    const size_t needed = quiz.questions.size(), held = quiz.scoreMessages.size();
    std::string note = "Il en faut " + std::to_string(needed) + " (un par score de 1 \xE0 " +
                       std::to_string(needed) + ") ; il y en a " + std::to_string(held) + ".";
    SetControlText1252(window, kScoresNote, note);
}

void ShowSettings(HWND window) {
    const QuizContent& quiz = studioDocument->source.content;
    SetControlText1252(window, kTitleEdit, quiz.title);
    SetControlText1252(window, kAuthorEdit, quiz.author);
    SetControlText1252(window, kExplanationEdit, quiz.explanation);
    SetControlText1252(window, kLabel1Edit, quiz.answerLabel1);
    SetControlText1252(window, kLabel2Edit, quiz.answerLabel2);
    SendDlgItemMessageW(window, kKindCombo, CB_SETCURSEL, static_cast<WPARAM>(quiz.quizKind), 0);
    SendDlgItemMessageW(window, kAnswersCombo, CB_SETCURSEL, static_cast<WPARAM>(quiz.answersPerQuestion - 1),
                        0);
    SendDlgItemMessageW(window, kRevealModeCombo, CB_SETCURSEL, static_cast<WPARAM>(quiz.revealMode), 0);
    std::string scores;
    for (size_t i = 0; i < quiz.scoreMessages.size(); ++i)
        scores += (i ? "\r\n" : "") + quiz.scoreMessages[i];
    SetControlText1252(window, kScoresEdit, scores);
    SendDlgItemMessageW(window, kScoresEdit, EM_SETSEL, 0, 0); // shown from the first code
    SendDlgItemMessageW(window, kScoresEdit, WM_VSCROLL, SB_TOP, 0);
    RedrawWindow(GetDlgItem(window, kScoresEdit), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    ShowScoresNote(window);
    RefreshColourSample(window);
}

// The score codes as the author typed them, one per line; empty lines at the end are not codes.
std::vector<std::string> ScoreLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

bool TakeSetting(HWND window, int id) {
    QuizContent& quiz = studioDocument->source.content;
    const auto selection = [&](int combo) {
        return static_cast<int>(SendDlgItemMessageW(window, combo, CB_GETCURSEL, 0, 0));
    };
    switch (id) {
    case kTitleEdit: quiz.title = ControlText1252(window, id); return true;
    case kAuthorEdit: quiz.author = ControlText1252(window, id); return true;
    case kExplanationEdit: quiz.explanation = ControlText1252(window, id); return true;
    case kLabel1Edit: quiz.answerLabel1 = ControlText1252(window, id); return true;
    case kLabel2Edit: quiz.answerLabel2 = ControlText1252(window, id); return true;
    case kKindCombo: quiz.quizKind = selection(id); return true;
    case kAnswersCombo: quiz.answersPerQuestion = selection(id) + 1; return true;
    case kRevealModeCombo: quiz.revealMode = selection(id); return true;
    case kScoresEdit: quiz.scoreMessages = ScoreLines(ControlText1252(window, id)); return true;
    default: return false;
    }
}

bool TakeQuestionField(HWND window, int id) {
    QuestionContent* question = SelectedQuestion();
    QuestionMedia* media = SelectedMedia();
    if (!question) return false;
    switch (id) {
    case kQuestionTextEdit: question->questionText = ControlText1252(window, id); return true;
    case kAnswer1Edit:
        TakeSpellings(ControlText1252(window, id), &question->answer1, &question->extraSpellings1);
        return true;
    case kAnswer2Edit:
        TakeSpellings(ControlText1252(window, id), &question->answer2, &question->extraSpellings2);
        return true;
    case kRevealEdit: question->revealText = ControlText1252(window, id); return true;
    case kMediaEdit: media->picture = ControlTextUtf8(window, id); return true;
    case kRewardEdit: media->reward = ControlTextUtf8(window, id); return true;
    default: return false;
    }
}

int ControlOfField(StudioField field) {
    static const int kIds[] = {0,
                               kTitleEdit,
                               kAuthorEdit,
                               kExplanationEdit,
                               kKindCombo,
                               kAnswersCombo,
                               kLabel1Edit,
                               kLabel2Edit,
                               kRevealModeCombo,
                               kColourButton,
                               kScoresEdit,
                               kQuestionTextEdit,
                               kAnswer1Edit,
                               kAnswer2Edit,
                               kRevealEdit,
                               kMediaEdit,
                               kRewardEdit};
    return kIds[static_cast<int>(field)];
}

HBITMAP ThumbnailOf(const ByteVector& bytes, int width, int height) {
    if (bytes.empty()) return nullptr;
    if (!IsPngData(bytes)) {
        HBITMAP picture = PictureFromMemory(bytes.data(), static_cast<DWORD>(bytes.size()), false);
        return picture ? FitBitmapToBox(picture, width, height) : nullptr;
    }
    PngImage image;
    PngInit(&image);
    HBITMAP bitmap = nullptr;
    if (PngAttachMemory(&image, bytes.data(), static_cast<uint32_t>(bytes.size()), PNG_INPUT_RESOURCE) &&
        PngDecode(&image))
        bitmap = PngCreateBitmap(&image, nullptr, -1, 0);
    PngCleanup(&image);
    return bitmap ? FitBitmapToBox(bitmap, width, height) : nullptr;
}

} // namespace

void RefreshTitleBar(HWND window) {
    std::string name = studioDocument->path.empty() ? "Nouveau quiz" : FileNameOf(studioDocument->path);
    std::wstring title = WidePath(name) + (studioDocument->changed ? L" *" : L"") + L" - Jorvo Studio";
    SetWindowTextW(window, title.c_str());
}

void RefreshColourSample(HWND window) {
    const QuizContent& quiz = studioDocument->source.content;
    if (sampleBrush) DeleteObject(sampleBrush);
    sampleBrush = CreateSolidBrush(RGB(quiz.red, quiz.green, quiz.blue));
    InvalidateRect(GetDlgItem(window, kColourSample), nullptr, TRUE);
}

void RefreshThumbnail(HWND window) {
    const QuestionMedia* media = SelectedMedia();
    HWND frame = GetDlgItem(window, kThumbnail);
    ByteVector bytes;
    if (media && studioDocument->source.content.quizKind == kQuizPictures && !media->picture.empty())
        ReadFileBytes(MediaFilePath(studioDocument->path, media->picture), &bytes);
    RECT box{};
    GetClientRect(frame, &box);
    HBITMAP bitmap = ThumbnailOf(bytes, box.right - 2, box.bottom - 2);
    if (bitmap)
        PutPictureInFrame(frame, bitmap);
    else if (HGDIOBJ old = reinterpret_cast<HGDIOBJ>(SendMessageW(frame, STM_SETIMAGE, IMAGE_BITMAP, 0)))
        DeleteObject(old);
}

void RefreshQuestionList(HWND window) {
    HWND list = GetDlgItem(window, kQuestionList);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const int count = static_cast<int>(studioDocument->source.content.questions.size());
    for (int row = 0; row < count; ++row) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(L"");
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        ShowQuestionRow(list, row);
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    ShowQuestionMarks(window);
}

void RefreshProblems(HWND window) {
    CheckStudioDocument(*studioDocument, mediaChecks, studioProblems);
    HWND list = GetDlgItem(window, kProblemList);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    int row = 0;
    for (const StudioProblem& problem : *studioProblems) {
        const std::wstring where =
            problem.question ? L"Question " + std::to_wstring(problem.question) : L"Quiz";
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(where.c_str());
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        SetCell(list, row, 1, (problem.error ? L"Erreur : " : L"Avertissement : ") + WidePath(problem.text));
        ++row;
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    ShowQuestionMarks(window);
    ShowScoresNote(window);
}

void ShowSelectedQuestion(HWND window) {
    const QuestionContent* question = SelectedQuestion();
    const QuestionMedia* media = SelectedMedia();
    fillingControls = true;
    SetControlText1252(window, kQuestionTextEdit, question ? question->questionText : "");
    SetControlText1252(window, kAnswer1Edit,
                       question ? SpellingsText(question->answer1, question->extraSpellings1) : "");
    SetControlText1252(window, kAnswer2Edit,
                       question ? SpellingsText(question->answer2, question->extraSpellings2) : "");
    SetControlText1252(window, kRevealEdit, question ? question->revealText : "");
    SetControlTextUtf8(window, kMediaEdit, media ? media->picture : "");
    SetControlTextUtf8(window, kRewardEdit, media ? media->reward : "");
    fillingControls = false;
    EnableStudioFields(window);
    RefreshThumbnail(window);
    JudgeTriedAnswer(window);
}

void SelectQuestion(HWND window, int index) {
    const int count = static_cast<int>(studioDocument->source.content.questions.size());
    studioDocument->selected = index >= 0 && index < count ? index : (count ? 0 : -1);
    HWND list = GetDlgItem(window, kQuestionList);
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    fillingControls = true; // the list's own notification must not select again
    if (studioDocument->selected >= 0) {
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(studioDocument->selected),
                     reinterpret_cast<LPARAM>(&item));
        SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(studioDocument->selected), FALSE);
    }
    fillingControls = false;
    ShowSelectedQuestion(window);
}

void ShowStudioDocument(HWND window) {
    fillingControls = true;
    ShowSettings(window);
    fillingControls = false;
    RefreshQuestionList(window);
    SelectQuestion(window, studioDocument->selected);
    RefreshProblems(window);
    RefreshTitleBar(window);
}

void TakeFieldEdit(HWND window, int id) {
    if (fillingControls) return;
    const bool setting = TakeSetting(window, id);
    if (!setting && !TakeQuestionField(window, id)) return;
    const bool wasChanged = studioDocument->changed;
    studioDocument->changed = true;
    if (id == kKindCombo || id == kAnswersCombo || id == kRevealModeCombo) {
        EnableStudioFields(window);
        RefreshQuestionList(window);
    } else if (!setting) {
        ShowQuestionRow(GetDlgItem(window, kQuestionList), studioDocument->selected);
    }
    if (id == kMediaEdit) RefreshThumbnail(window);
    if (id == kAnswer1Edit || id == kAnswer2Edit) JudgeTriedAnswer(window);
    RefreshProblems(window);
    if (!wasChanged) RefreshTitleBar(window);
}

void GoToProblem(HWND window, int row) {
    if (row < 0 || row >= static_cast<int>(studioProblems->size())) return;
    const StudioProblem problem = (*studioProblems)[static_cast<size_t>(row)];
    if (problem.question) SelectQuestion(window, problem.question - 1);
    const int id = ControlOfField(problem.field);
    HWND control = GetDlgItem(window, id ? id : problem.question ? kQuestionTextEdit : kTitleEdit);
    if (!IsWindowEnabled(control)) control = GetDlgItem(window, kQuestionList);
    SetFocus(control);
    SendMessageW(control, EM_SETSEL, 0, -1);
}

void JudgeTriedAnswer(HWND window) {
    const QuestionContent* question = SelectedQuestion();
    const std::string typed = ControlText1252(window, kTryEdit);
    // A two-answer question is tried against both answers: the verdict is the one the player gives when
    // the text is typed into the field it fits best.
    std::vector<const char*> spellings;
    const auto take = [&](const std::string& first, const std::vector<std::string>& others) {
        spellings.push_back(first.c_str());
        for (const std::string& spelling : others)
            spellings.push_back(spelling.c_str());
    };
    if (question) {
        take(question->answer1, question->extraSpellings1);
        if (studioDocument->source.content.answersPerQuestion == 2 && !question->answer2.empty() &&
            question->answer2 != "-")
            take(question->answer2, question->extraSpellings2);
    }
    const char* verdict =
        question ? DecideVerdictAmong(spellings.data(), static_cast<int>(spellings.size()), typed.c_str())
                 : kVerdictEmpty;
    SetControlText1252(window, kTryVerdict, verdict);
}
