#include "tools/source/quiz_text_reader.h"

#include <cstddef>

#include "quizdata/extra_spellings.h"

namespace {

struct Cursor {
    const ByteVector& text;
    size_t at = 0;
    std::string* error;

    bool Fail(const std::string& what) {
        *error = "the quiz text " + what + " (byte " + std::to_string(at) + ")";
        return false;
    }
    bool Byte(uint8_t* value, const char* what) {
        if (at >= text.size()) return Fail(std::string("ends before ") + what);
        *value = text[at++];
        return true;
    }
    bool Field(std::string* value, const char* what) {
        size_t end = at;
        while (end < text.size() && text[end] != '|')
            ++end;
        if (end == text.size()) return Fail(std::string("ends inside ") + what);
        value->assign(text.begin() + static_cast<std::ptrdiff_t>(at),
                      text.begin() + static_cast<std::ptrdiff_t>(end));
        at = end + 1;
        return true;
    }
};

} // namespace

bool ReadQuizText(const ByteVector& text, QuizContent* quiz, std::string* error) {
    *quiz = QuizContent();
    Cursor in{text, 0, error};
    uint8_t format = 0, kind = 0, count = 0, answers = 0;
    if (!in.Byte(&format, "its format") || !in.Byte(&kind, "its kind") || !in.Byte(&count, "its size") ||
        !in.Byte(&answers, "its answer count"))
        return false;
    if (kind < 1 || kind > 4) return in.Fail("has an unknown kind");
    if (count > 96) return in.Fail("has more than 96 questions");
    if (answers != 1 && answers != 2) return in.Fail("has an answer count other than 1 or 2");
    quiz->quizKind = kind - 1;
    quiz->answersPerQuestion = answers;
    if (!in.Field(&quiz->title, "the title") || !in.Field(&quiz->author, "the author") ||
        !in.Field(&quiz->explanation, "the explanation") || !in.Field(&quiz->answerLabel1, "label 1") ||
        !in.Field(&quiz->answerLabel2, "label 2"))
        return false;
    quiz->questions.resize(count);
    for (QuestionContent& question : quiz->questions) {
        if (!in.Field(&question.answer1, "an answer")) return false;
        if (answers == 2 && !in.Field(&question.answer2, "a second answer")) return false;
        if (!in.Field(&question.questionText, "a question")) return false;
    }
    uint8_t mode = 0;
    if (!in.Byte(&mode, "the reveal mode")) return false;
    if (mode > 6) return in.Fail("has an unknown reveal mode");
    quiz->revealMode = mode;
    const bool pairs = mode == 3 || mode == 6;
    if (pairs || mode == 1 || mode == 2 || mode == 4) {
        for (QuestionContent& question : quiz->questions) {
            std::string unused;
            if (!in.Field(&question.revealText, "a reveal text")) return false;
            if (pairs && !in.Field(&unused, "a reveal text")) return false;
        }
    }
    if (!in.Byte(&quiz->red, "the colour") || !in.Byte(&quiz->green, "the colour") ||
        !in.Byte(&quiz->blue, "the colour"))
        return false;
    if (in.at != text.size()) return in.Fail("goes on after the colour");
    return true;
}

void ReadScoreText(const ByteVector& text, std::vector<std::string>* lines) {
    lines->clear();
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            lines->push_back(line);
            line.clear();
            ++i;
        } else {
            line.push_back(static_cast<char>(text[i]));
        }
    }
    if (!line.empty()) lines->push_back(line);
    while (!lines->empty() && lines->back().empty())
        lines->pop_back();
}

bool ReadSpellingsText(const ByteVector& text, QuizContent* quiz) {
    const int questions = static_cast<int>(quiz->questions.size());
    ExtraSpellings* spellings =
        ReadExtraSpellings(text.data(), text.size(), questions, quiz->answersPerQuestion);
    if (!spellings) return false;
    for (int i = 0; i < questions; ++i) {
        QuestionContent& question = quiz->questions[static_cast<size_t>(i)];
        for (int slot = 0; slot < quiz->answersPerQuestion; ++slot) {
            std::vector<std::string>& others =
                slot == 0 ? question.extraSpellings1 : question.extraSpellings2;
            others.assign(spellings->spelling[i][slot],
                          spellings->spelling[i][slot] + spellings->count[i][slot]);
        }
    }
    FreeExtraSpellings(spellings);
    return true;
}
