#include "tools/quiz_source.h"

#include <cstdlib>
#include <sstream>

#include "tools/cp1252.h"

namespace {

constexpr size_t kLongestText = 259;  // the player's text fields hold 259 characters
constexpr size_t kLongestAnswer = 55; // an answer field takes at most 55 characters
constexpr size_t kMostQuestions = 96;

struct LineContext {
    int number;
    std::string* error;
    bool Fail(const std::string& what) const {
        *error = "line " + std::to_string(number) + ": " + what;
        return false;
    }
};

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// A text the player will see: Windows-1252, no field separator, within the player's limit.
bool TakeText(const LineContext& at, const std::string& key, const std::string& value, size_t limit,
              std::string* out) {
    std::string problem;
    if (!Utf8ToCp1252(value, out, &problem)) return at.Fail(key + ": " + problem);
    if (out->find('|') != std::string::npos) return at.Fail(key + ": the character '|' cannot be used");
    if (out->size() > limit)
        return at.Fail(key + " is " + std::to_string(out->size()) + " characters long; at most " +
                       std::to_string(limit) + " fit");
    return true;
}

bool TakeNumber(const LineContext& at, const std::string& key, const std::string& value, int lowest,
                int highest, int* out) {
    char* end = nullptr;
    const long number = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0' || number < lowest || number > highest)
        return at.Fail(key + " must be a number from " + std::to_string(lowest) + " to " +
                       std::to_string(highest));
    *out = static_cast<int>(number);
    return true;
}

bool TakeKind(const LineContext& at, const std::string& value, int32_t* kind) {
    static const char* const kNames[] = {"text", "pictures", "audio", "video"};
    for (int i = 0; i < 4; ++i)
        if (value == kNames[i]) {
            *kind = i;
            return true;
        }
    return at.Fail("kind must be text, pictures, audio or video");
}

bool TakeColour(const LineContext& at, const std::string& value, QuizContent* quiz) {
    std::istringstream in(value);
    int red = -1, green = -1, blue = -1;
    std::string rest;
    if (!(in >> red >> green >> blue) || (in >> rest) || red < 0 || red > 255 || green < 0 || green > 255 ||
        blue < 0 || blue > 255)
        return at.Fail("colour must be three numbers from 0 to 255: red green blue");
    quiz->red = static_cast<uint8_t>(red);
    quiz->green = static_cast<uint8_t>(green);
    quiz->blue = static_cast<uint8_t>(blue);
    return true;
}

bool TakeQuestionKey(const LineContext& at, const std::string& key, const std::string& value,
                     QuestionContent* question, QuestionMedia* media) {
    if (key == "answer") return TakeText(at, key, value, kLongestAnswer, &question->answer1);
    if (key == "answer2") return TakeText(at, key, value, kLongestAnswer, &question->answer2);
    if (key == "reveal") return TakeText(at, key, value, kLongestText, &question->revealText);
    if (key == "picture") return media->picture = value, true;
    if (key == "reward") return media->reward = value, true;
    return at.Fail("unknown question key '" + key + "'");
}

bool TakeQuizKey(const LineContext& at, const std::string& key, const std::string& value, QuizContent* quiz) {
    if (key == "title") return TakeText(at, key, value, kLongestText, &quiz->title);
    if (key == "author") return TakeText(at, key, value, kLongestText, &quiz->author);
    if (key == "explanation") return TakeText(at, key, value, kLongestText, &quiz->explanation);
    if (key == "label1") return TakeText(at, key, value, kLongestText, &quiz->answerLabel1);
    if (key == "label2") return TakeText(at, key, value, kLongestText, &quiz->answerLabel2);
    if (key == "kind") return TakeKind(at, value, &quiz->quizKind);
    if (key == "answers") return TakeNumber(at, key, value, 1, 2, &quiz->answersPerQuestion);
    if (key == "reveal-mode") return TakeNumber(at, key, value, 0, 6, &quiz->revealMode);
    if (key == "colour" || key == "color") return TakeColour(at, value, quiz);
    return at.Fail("unknown key '" + key + "'");
}

// Checks what only the whole quiz can tell.
bool CheckWhole(const QuizSource& source, int lastLine, std::string* error) {
    const LineContext at{lastLine, error};
    const QuizContent& quiz = source.content;
    if (quiz.questions.empty()) return at.Fail("the quiz has no question");
    if (quiz.quizKind == 0 && quiz.answersPerQuestion != 1)
        return at.Fail("a text quiz has one answer per question (answers: 1)");
    if (quiz.scoreMessages.size() > quiz.questions.size())
        return at.Fail(std::to_string(quiz.scoreMessages.size()) + " score lines for " +
                       std::to_string(quiz.questions.size()) + " questions: at most one per possible score");
    for (size_t i = 0; i < quiz.questions.size(); ++i) {
        const std::string which = "question " + std::to_string(i + 1);
        if (quiz.questions[i].answer1.empty()) return at.Fail(which + " has no answer");
        if (quiz.answersPerQuestion == 2 && quiz.questions[i].answer2.empty())
            return at.Fail(which + " has no answer2 (write answer2: - for a question with one answer)");
        if (quiz.quizKind != 0 && source.media[i].picture.empty())
            return at.Fail(which + " has no picture (the file of its picture, sound or film)");
    }
    return true;
}

} // namespace

bool ParseQuizSource(const std::string& utf8Text, QuizSource* source, std::string* error) {
    *source = QuizSource();
    std::istringstream in(utf8Text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const LineContext at{number, error};
        if (number == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#') continue;
        const size_t colon = trimmed.find(':');
        if (colon == std::string::npos) return at.Fail("expected 'key: value'");
        const std::string key = Trim(trimmed.substr(0, colon));
        const std::string value = Trim(trimmed.substr(colon + 1));
        QuizContent& quiz = source->content;
        if (key == "question") {
            if (quiz.questions.size() == kMostQuestions) return at.Fail("a quiz holds at most 96 questions");
            quiz.questions.emplace_back();
            source->media.emplace_back();
            if (!TakeText(at, key, value, kLongestText, &quiz.questions.back().questionText)) return false;
        } else if (key == "score") {
            quiz.scoreMessages.emplace_back();
            if (!TakeText(at, key, value, kLongestText, &quiz.scoreMessages.back())) return false;
        } else if (!quiz.questions.empty() && (key == "answer" || key == "answer2" || key == "reveal" ||
                                               key == "picture" || key == "reward")) {
            if (!TakeQuestionKey(at, key, value, &quiz.questions.back(), &source->media.back())) return false;
        } else if (key == "answer" || key == "answer2" || key == "reveal" || key == "picture" ||
                   key == "reward") {
            return at.Fail("'" + key + "' belongs to a question: write 'question: ...' first");
        } else if (!TakeQuizKey(at, key, value, &quiz)) {
            return false;
        }
    }
    return CheckWhole(*source, number, error);
}
