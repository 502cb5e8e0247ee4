#include "tools/source/quiz_source_writer.h"

#include "tools/common/cp1252.h"
#include "tools/source/answer_spellings.h"

namespace {

const char* const kKindNames[] = {"text", "pictures", "audio", "video"};

struct Writer {
    std::string out;
    std::vector<std::string>* warnings;

    // One `key: value` line; values are read back trimmed, on one line.
    void Line(const std::string& indent, const std::string& key, const std::string& cp1252,
              const std::string& where) {
        std::string value = cp1252;
        for (char& c : value)
            if (c == '\r' || c == '\n') c = ' ';
        const size_t first = value.find_first_not_of(" \t");
        const size_t last = value.find_last_not_of(" \t");
        value = first == std::string::npos ? std::string() : value.substr(first, last - first + 1);
        if (value != cp1252)
            warnings->push_back(where + key + ": spaces at its ends or line breaks were dropped");
        out += indent + key + ":" + (value.empty() ? "" : " " + Cp1252ToUtf8(value)) + "\n";
    }
    void Plain(const std::string& indent, const std::string& key, const std::string& value) {
        out += indent + key + ": " + value + "\n";
    }
};

// `first | other | ...`, as the parser reads an answer's spellings back.
std::string Spellings(const std::string& first, const std::vector<std::string>& others) {
    std::vector<std::string> all = {first};
    all.insert(all.end(), others.begin(), others.end());
    return JoinSpellings(all);
}

} // namespace

std::string WriteQuizSource(const QuizSource& source, const std::string& heading,
                            std::vector<std::string>* warnings) {
    const QuizContent& quiz = source.content;
    Writer w{"", warnings};
    size_t start = 0;
    while (start < heading.size()) {
        const size_t end = heading.find('\n', start);
        w.out += "# " + heading.substr(start, end - start) + "\n";
        start = end == std::string::npos ? heading.size() : end + 1;
    }
    w.Line("", "title", quiz.title, "");
    w.Line("", "author", quiz.author, "");
    w.Line("", "explanation", quiz.explanation, "");
    w.Plain("", "kind", quiz.quizKind >= 0 && quiz.quizKind < 4 ? kKindNames[quiz.quizKind] : "text");
    w.Plain("", "answers", std::to_string(quiz.answersPerQuestion));
    w.Line("", "label1", quiz.answerLabel1, "");
    w.Line("", "label2", quiz.answerLabel2, "");
    w.Plain("", "reveal-mode", std::to_string(quiz.revealMode));
    w.Plain("", "colour",
            std::to_string(quiz.red) + " " + std::to_string(quiz.green) + " " + std::to_string(quiz.blue));
    for (size_t i = 0; i < quiz.questions.size(); ++i) {
        const QuestionContent& question = quiz.questions[i];
        const std::string where = "question " + std::to_string(i + 1) + ": ";
        w.out += "\n";
        w.Line("", "question", question.questionText, where);
        w.Line("  ", "answer", Spellings(question.answer1, question.extraSpellings1), where);
        if (quiz.answersPerQuestion == 2)
            w.Line("  ", "answer2", Spellings(question.answer2, question.extraSpellings2), where);
        if (!question.revealText.empty()) w.Line("  ", "reveal", question.revealText, where);
        if (i < source.media.size()) {
            if (!source.media[i].picture.empty()) w.Plain("  ", "picture", source.media[i].picture);
            if (!source.media[i].reward.empty()) w.Plain("  ", "reward", source.media[i].reward);
        }
    }
    if (!quiz.scoreMessages.empty()) w.out += "\n";
    for (size_t i = 0; i < quiz.scoreMessages.size(); ++i)
        w.Line("", "score", quiz.scoreMessages[i], "score " + std::to_string(i + 1) + ": ");
    return w.out;
}
