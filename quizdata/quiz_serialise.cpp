// The decoded texts of the three coded pieces, byte for byte as the loader reads them.

#include "quizdata/quiz_coding.h"
#include "quizdata/extra_spellings.h"
#include "quizdata/quiz_document.h"

namespace {

constexpr uint8_t kFieldEnd = '|';
constexpr uint8_t kFormatByte = 1; // the loader skips it; kept for a later change of format

void AppendField(ByteVector& text, const std::string& field) {
    text.insert(text.end(), field.begin(), field.end());
    text.push_back(kFieldEnd);
}

bool HasSeparator(const std::string& text) {
    return text.find('|') != std::string::npos;
}

bool HasLineEnd(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

// A text the loader reads back whole: not longer than `limit` and without the field separator.
std::string FieldProblem(const std::string& text, size_t limit, const std::string& name) {
    if (text.size() > limit) return name + " holds at most " + std::to_string(limit) + " characters";
    if (HasSeparator(text)) return name + " cannot contain '|'";
    return {};
}

bool HasRevealSection(int32_t mode) {
    return mode == 1 || mode == 2 || mode == 4;
}
bool HasRevealPairs(int32_t mode) {
    return mode == 3 || mode == 6;
}

// The other spellings of one field: as many as the player keeps, each one it can read back as a line,
// together (with the first) no longer than a quiz text.
std::string SpellingsProblem(const std::string& first, const std::vector<std::string>& extra,
                             const std::string& name) {
    if (extra.size() > static_cast<size_t>(kMaxSpellings - 1))
        return name + " has more than " + std::to_string(kMaxSpellings) + " spellings";
    size_t total = first.size();
    for (const std::string& spelling : extra) {
        if (spelling.empty()) return name + " has an empty spelling";
        if (spelling.size() > static_cast<size_t>(kMaxSpellingLength))
            return name + ": a spelling holds at most " + std::to_string(kMaxSpellingLength) + " characters";
        if (spelling.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
            return name + ": a spelling cannot contain a line break";
        total += spelling.size();
    }
    if (total > static_cast<size_t>(kMaxSpellingsLength))
        return name + ": its spellings together hold at most " + std::to_string(kMaxSpellingsLength) +
               " characters";
    return {};
}

} // namespace

std::string DescribeQuizProblem(const QuizContent& quiz) {
    const size_t limit = kTextSize - 1;
    if (quiz.quizKind < 0 || quiz.quizKind > 3) return "the kind must be 0 to 3";
    if (quiz.answersPerQuestion != 1 && quiz.answersPerQuestion != 2) return "a question has 1 or 2 answers";
    if (quiz.revealMode < 0 || quiz.revealMode > 6) return "the reveal mode must be 0 to 6";
    if (quiz.questions.size() > static_cast<size_t>(kMaxQuestions))
        return "a quiz holds at most " + std::to_string(kMaxQuestions) + " questions";
    const std::string headers[5] = {quiz.title, quiz.author, quiz.explanation, quiz.answerLabel1,
                                    quiz.answerLabel2};
    const char* headerNames[5] = {"the title", "the author", "the explanation", "label 1", "label 2"};
    for (int i = 0; i < 5; ++i) {
        std::string problem = FieldProblem(headers[i], limit, headerNames[i]);
        if (!problem.empty()) return problem;
    }
    for (size_t i = 0; i < quiz.questions.size(); ++i) {
        const QuestionContent& question = quiz.questions[i];
        const std::string prefix = "question " + std::to_string(i + 1) + ": ";
        std::string problem = FieldProblem(question.answer1, limit, prefix + "the answer");
        if (problem.empty()) problem = FieldProblem(question.answer2, limit, prefix + "the second answer");
        if (problem.empty()) problem = FieldProblem(question.questionText, limit, prefix + "the text");
        if (problem.empty()) problem = FieldProblem(question.revealText, limit, prefix + "the reveal text");
        if (problem.empty())
            problem = SpellingsProblem(question.answer1, question.extraSpellings1, prefix + "the answer");
        if (problem.empty() && quiz.answersPerQuestion == 2)
            problem =
                SpellingsProblem(question.answer2, question.extraSpellings2, prefix + "the second answer");
        if (!problem.empty()) return problem;
    }
    for (size_t i = 0; i < quiz.scoreMessages.size(); ++i) {
        const std::string& line = quiz.scoreMessages[i];
        const std::string name = "score code " + std::to_string(i + 1);
        if (line.size() > limit) return name + " holds at most " + std::to_string(limit) + " characters";
        if (HasLineEnd(line)) return name + " cannot contain a line break";
    }
    return {};
}

ByteVector SerialiseQuiz(const QuizContent& quiz) {
    if (!DescribeQuizProblem(quiz).empty()) return {};
    ByteVector text;
    text.push_back(kFormatByte);
    text.push_back(static_cast<uint8_t>(quiz.quizKind + 1));
    text.push_back(static_cast<uint8_t>(quiz.questions.size()));
    text.push_back(static_cast<uint8_t>(quiz.answersPerQuestion));
    AppendField(text, quiz.title);
    AppendField(text, quiz.author);
    AppendField(text, quiz.explanation);
    AppendField(text, quiz.answerLabel1);
    AppendField(text, quiz.answerLabel2);
    for (const QuestionContent& question : quiz.questions) {
        AppendField(text, question.answer1);
        if (quiz.answersPerQuestion == 2) AppendField(text, question.answer2);
        AppendField(text, question.questionText);
    }
    text.push_back(static_cast<uint8_t>(quiz.revealMode));
    if (HasRevealSection(quiz.revealMode) || HasRevealPairs(quiz.revealMode)) {
        for (const QuestionContent& question : quiz.questions) {
            AppendField(text, question.revealText);
            if (HasRevealPairs(quiz.revealMode)) AppendField(text, std::string()); // read and ignored
        }
    }
    text.push_back(quiz.red);
    text.push_back(quiz.green);
    text.push_back(quiz.blue);
    return text;
}

ByteVector SerialiseScoreMessages(const std::vector<std::string>& lines) {
    ByteVector text;
    for (const std::string& line : lines) {
        if (line.size() > static_cast<size_t>(kTextSize - 1) || HasLineEnd(line)) return {};
        text.insert(text.end(), line.begin(), line.end());
        text.push_back('\r');
        text.push_back('\n');
    }
    // A coded piece cannot be empty; a quiz without questions reads no line of it anyway.
    if (text.empty()) text = {'\r', '\n'};
    return text;
}

ByteVector SerialiseExtraSpellings(const QuizContent& quiz) {
    if (!DescribeQuizProblem(quiz).empty()) return {};
    ByteVector text;
    bool any = false;
    for (const QuestionContent& question : quiz.questions) {
        for (int slot = 1; slot <= quiz.answersPerQuestion; ++slot) {
            for (const std::string& spelling :
                 slot == 1 ? question.extraSpellings1 : question.extraSpellings2) {
                text.insert(text.end(), spelling.begin(), spelling.end());
                text.push_back('\r');
                text.push_back('\n');
                any = true;
            }
            text.push_back('\r'); // the field's group ends
            text.push_back('\n');
        }
    }
    return any ? text : ByteVector();
}

ByteVector SerialiseBuiltInBlock(const std::string& linkText, const std::string& footerText) {
    if (linkText.size() > 24 || footerText.size() > 42 || HasSeparator(linkText) || HasSeparator(footerText))
        return {};
    ByteVector text = {kFormatByte, kFormatByte};
    AppendField(text, linkText);
    AppendField(text, footerText);
    return text;
}
