#include "tools/source/quiz_source.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

#include "quizdata/extra_spellings.h"
#include "judging/text_ops.h"
#include "tools/source/answer_spellings.h"
#include "tools/source/answer_text.h"
#include "tools/common/cp1252.h"

namespace {

constexpr size_t kLongestText = 259;  // the player's text fields hold 259 characters
constexpr size_t kLongestAnswer = 55; // an answer field takes at most 55 characters
constexpr size_t kMostQuestions = 96;
constexpr size_t kShortestHintedAnswer = 4; // the judge gives no hint for shorter accepted answers

// Where each question's keys were given, for the checks that need the whole quiz.
struct QuestionLines {
    int answer = 0;
    int answer2 = 0;
    int reveal = 0;
};

struct Parser {
    QuizSource* source = nullptr;
    std::vector<SourceMessage>* errors = nullptr;
    std::vector<SourceMessage>* warnings = nullptr;
    int line = 0;
    std::map<std::string, int> quizKeyLines;
    std::vector<QuestionLines> questionLines;
    std::vector<int> scoreLines;

    void Error(const std::string& text) { errors->push_back({line, text}); }
    void ErrorAt(int at, const std::string& text) { errors->push_back({at, text}); }
    void Warn(const std::string& text) { warnings->push_back({line, text}); }
    void WarnAt(int at, const std::string& text) { warnings->push_back({at, text}); }
};

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// A UTF-16 file or one saved in a one-byte code page would otherwise fail on its first odd character
// with a message that says nothing of the cause.
bool CheckEncoding(const std::string& bytes, std::vector<SourceMessage>* errors) {
    if (bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0) {
        errors->push_back({0, "the file is saved as UTF-16: save the file as UTF-8"});
        return false;
    }
    if (bytes.find('\0') != std::string::npos) {
        errors->push_back({0, "the file holds NUL bytes, as UTF-16 text does: save the file as UTF-8"});
        return false;
    }
    const size_t bad = FindInvalidUtf8(bytes);
    if (bad == std::string::npos) return true;
    int line = 1;
    for (size_t i = 0; i < bad; ++i)
        line += bytes[i] == '\n';
    char text[160];
    std::snprintf(text, sizeof text,
                  "byte 0x%02X is not UTF-8: the file seems saved as Latin-1 or Windows-1252; save the file "
                  "as UTF-8",
                  static_cast<unsigned char>(bytes[bad]));
    errors->push_back({line, text});
    return false;
}

// A text the player will see: Windows-1252, no field separator, within the player's limit.
bool TakeText(Parser& p, const std::string& key, const std::string& value, size_t limit, std::string* out) {
    std::string problem;
    if (!Utf8ToCp1252(value, out, &problem)) {
        p.Error(key + ": " + problem + ", which the player cannot show");
        return false;
    }
    if (out->find('|') != std::string::npos) {
        p.Error(key + ": the character '|' cannot be used (the player's data separates fields with it)");
        return false;
    }
    if (out->size() > limit) {
        p.Error(key + " is " + std::to_string(out->size()) + " characters long; at most " +
                std::to_string(limit) + " fit");
        return false;
    }
    return true;
}

// One accepted spelling: typed characters only, within the answer field's length. Only the first spelling
// travels with the quiz's texts, which '|' separates; the others may hold a bar.
bool TakeAnswer(Parser& p, const std::string& key, const std::string& value, bool first, std::string* out) {
    std::vector<std::string> notes;
    const std::string typed = KeyboardAnswer(value, &notes);
    for (const std::string& note : notes)
        p.Warn(key + ": " + note);
    std::string problem;
    if (!Utf8ToCp1252(typed, out, &problem)) {
        p.Error(key + ": " + problem + ", which the player cannot show");
    } else if (first && out->find('|') != std::string::npos) {
        p.Error(key + ": the first spelling cannot hold '|' (the player's data separates fields with it); "
                      "a later one can, written \\|");
    } else if (out->size() > kLongestAnswer) {
        p.Error(key + " is " + std::to_string(out->size()) + " characters long; at most " +
                std::to_string(kLongestAnswer) + " fit in an answer field, so it could never be typed");
    } else if (!out->empty() && (out->front() == ' ' || out->back() == ' ')) {
        p.Error(key +
                " starts or ends with a non-breaking space, so it could never be judged right: delete it");
    } else {
        return true;
    }
    return false;
}

std::string UpperCased(std::string text) {
    UpperCase(&text[0]);
    return text;
}

// `answer: Londres | London`: the first spelling and the others. A spelling the judge cannot tell from
// an earlier one is dropped with a warning.
void TakeSpellings(Parser& p, const std::string& key, const std::string& value, std::string* first,
                   std::vector<std::string>* others) {
    first->clear();
    others->clear();
    const std::vector<std::string> spellings = SplitSpellings(value);
    if (spellings.size() > static_cast<size_t>(kMaxSpellings)) {
        p.Error(key + " has " + std::to_string(spellings.size()) + " spellings; at most " +
                std::to_string(kMaxSpellings) + " are kept");
        return;
    }
    size_t total = 0;
    std::vector<std::string> seen;
    for (size_t i = 0; i < spellings.size(); ++i) {
        if (spellings.size() > 1 && spellings[i].empty()) {
            p.Error(key + ": spelling " + std::to_string(i + 1) + " is empty (two '|' with nothing between)");
            return;
        }
        std::string spelling;
        if (!TakeAnswer(p, key, spellings[i], i == 0, &spelling)) return;
        total += spelling.size();
        const std::string upper = UpperCased(spelling);
        if (std::find(seen.begin(), seen.end(), upper) != seen.end()) {
            p.Warn(key + ": the spelling '" + spellings[i] + "' is given twice: the second is dropped");
            continue;
        }
        seen.push_back(upper);
        if (i == 0)
            *first = spelling;
        else
            others->push_back(spelling);
    }
    if (total > static_cast<size_t>(kMaxSpellingsLength))
        p.Error(key + ": its spellings hold " + std::to_string(total) + " characters together; at most " +
                std::to_string(kMaxSpellingsLength) + " are kept");
}

// A key given twice in the same place: the later value wins, and the author hears of it. `*lastLine`
// becomes the line of the value in use.
void NoteRepeat(Parser& p, const std::string& key, int* lastLine) {
    if (*lastLine)
        p.Warn(key + " given again: this value replaces the one on line " + std::to_string(*lastLine));
    *lastLine = p.line;
}

bool TakeNumber(Parser& p, const std::string& key, const std::string& value, int lowest, int highest,
                int* out) {
    char* end = nullptr;
    const long number = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0' || number < lowest || number > highest) {
        p.Error(key + " must be a number from " + std::to_string(lowest) + " to " + std::to_string(highest));
        return false;
    }
    *out = static_cast<int>(number);
    return true;
}

void TakeKind(Parser& p, const std::string& value, int32_t* kind) {
    static const char* const kNames[] = {"text", "pictures", "audio", "video"};
    for (int i = 0; i < 4; ++i)
        if (value == kNames[i]) {
            *kind = i;
            return;
        }
    p.Error("kind must be text, pictures, audio or video");
}

void TakeColour(Parser& p, const std::string& value, QuizContent* quiz) {
    std::istringstream in(value);
    int red = -1, green = -1, blue = -1;
    std::string rest;
    if (!(in >> red >> green >> blue) || (in >> rest) || red < 0 || red > 255 || green < 0 || green > 255 ||
        blue < 0 || blue > 255) {
        p.Error("colour must be three numbers from 0 to 255: red green blue");
        return;
    }
    quiz->red = static_cast<uint8_t>(red);
    quiz->green = static_cast<uint8_t>(green);
    quiz->blue = static_cast<uint8_t>(blue);
}

void TakeFile(Parser& p, const std::string& key, const std::string& value, std::string* file, int* line) {
    if (value.empty()) {
        p.Error(key + " needs a file name");
        return;
    }
    NoteRepeat(p, key, line);
    *file = value;
}

bool IsQuestionKey(const std::string& key) {
    return key == "answer" || key == "answer2" || key == "reveal" || key == "picture" || key == "reward";
}

void TakeQuestionKey(Parser& p, const std::string& key, const std::string& value) {
    QuestionContent& question = p.source->content.questions.back();
    QuestionMedia& media = p.source->media.back();
    QuestionLines& lines = p.questionLines.back();
    if (key == "answer") {
        NoteRepeat(p, key, &lines.answer);
        TakeSpellings(p, key, value, &question.answer1, &question.extraSpellings1);
    } else if (key == "answer2") {
        NoteRepeat(p, key, &lines.answer2);
        TakeSpellings(p, key, value, &question.answer2, &question.extraSpellings2);
    } else if (key == "reveal") {
        NoteRepeat(p, key, &lines.reveal);
        TakeText(p, key, value, kLongestText, &question.revealText);
    } else if (key == "picture") {
        TakeFile(p, key, value, &media.picture, &media.pictureLine);
    } else {
        TakeFile(p, key, value, &media.reward, &media.rewardLine);
    }
}

void TakeQuizKey(Parser& p, std::string key, const std::string& value) {
    QuizContent& quiz = p.source->content;
    if (key == "color") key = "colour";
    static const char* const kKeys[] = {"title", "author",  "explanation", "label1", "label2",
                                        "kind",  "answers", "reveal-mode", "colour"};
    bool known = false;
    for (const char* k : kKeys)
        known = known || key == k;
    if (!known) {
        p.Error("unknown key '" + key + "'");
        return;
    }
    NoteRepeat(p, key, &p.quizKeyLines[key]);
    if (key == "title") TakeText(p, key, value, kLongestText, &quiz.title);
    if (key == "author") TakeText(p, key, value, kLongestText, &quiz.author);
    if (key == "explanation") TakeText(p, key, value, kLongestText, &quiz.explanation);
    if (key == "label1") TakeText(p, key, value, kLongestText, &quiz.answerLabel1);
    if (key == "label2") TakeText(p, key, value, kLongestText, &quiz.answerLabel2);
    if (key == "kind") TakeKind(p, value, &quiz.quizKind);
    if (key == "answers") TakeNumber(p, key, value, 1, 2, &quiz.answersPerQuestion);
    if (key == "reveal-mode") TakeNumber(p, key, value, 0, 6, &quiz.revealMode);
    if (key == "colour") TakeColour(p, value, &quiz);
}

// False once the line ends the parse (a quiz that cannot grow).
bool TakeLine(Parser& p, const std::string& key, const std::string& value) {
    QuizContent& quiz = p.source->content;
    if (key == "question") {
        if (quiz.questions.size() == kMostQuestions) {
            p.Error("a quiz holds at most 96 questions");
            return false;
        }
        quiz.questions.emplace_back();
        p.source->media.emplace_back();
        p.source->media.back().line = p.line;
        p.questionLines.emplace_back();
        TakeText(p, key, value, kLongestText, &quiz.questions.back().questionText);
    } else if (key == "score") {
        quiz.scoreMessages.emplace_back();
        p.scoreLines.push_back(p.line);
        TakeText(p, key, value, kLongestText, &quiz.scoreMessages.back());
    } else if (IsQuestionKey(key)) {
        if (quiz.questions.empty())
            p.Error("'" + key + "' belongs to a question: write 'question: ...' first");
        else
            TakeQuestionKey(p, key, value);
    } else {
        TakeQuizKey(p, key, value);
    }
    return true;
}

// A wrong try earns a hint from a spelling of 4 characters or more only.
void CheckAnswerLength(Parser& p, const std::string& answer, const std::vector<std::string>& others,
                       int line) {
    bool hinted = answer.size() >= kShortestHintedAnswer;
    for (const std::string& other : others)
        hinted = hinted || other.size() >= kShortestHintedAnswer;
    if (!hinted)
        p.WarnAt(line, "the answer '" + Cp1252ToUtf8(answer) + "' has 3 characters or fewer" +
                           (others.empty() ? "" : ", as have its other spellings") +
                           ": a wrong try shows FAUX, never a hint");
}

void CheckQuestion(Parser& p, size_t i) {
    const QuizContent& quiz = p.source->content;
    const QuestionContent& question = quiz.questions[i];
    QuestionMedia& media = p.source->media[i];
    const QuestionLines& lines = p.questionLines[i];
    const std::string which = "question " + std::to_string(i + 1);
    const int kind = quiz.quizKind;

    if (question.answer1.empty())
        p.ErrorAt(media.line, which + " has no answer");
    else
        CheckAnswerLength(p, question.answer1, question.extraSpellings1, lines.answer);
    if (quiz.answersPerQuestion == 2) {
        if (question.answer2.empty())
            p.ErrorAt(media.line,
                      which + " has no answer2 (write answer2: - for a question with one answer)");
        else if (question.answer2 != "-")
            CheckAnswerLength(p, question.answer2, question.extraSpellings2, lines.answer2);
        else if (!question.extraSpellings2.empty()) {
            p.WarnAt(lines.answer2,
                     "answer2: - gives the question a single field: its other spellings are ignored");
            p.source->content.questions[i].extraSpellings2.clear();
        }
    } else if (lines.answer2) {
        p.WarnAt(lines.answer2,
                 kind == 0 ? "a text-list quiz has one answer per question: answer2 is ignored"
                           : "the quiz has one answer per question (answers: 1): answer2 is ignored");
    }

    static const char* const kMediaNames[] = {"", "picture", "sound", "film"};
    if (kind != 0 && media.picture.empty())
        p.ErrorAt(media.line, which + " has no " + kMediaNames[kind] + " (picture: FILE)");
    if (kind == 0 && media.pictureLine) {
        p.WarnAt(media.pictureLine, "a text-list quiz shows no picture: picture is ignored");
        media.picture.clear();
    }
    const bool showsReward = kind == 1 && (quiz.revealMode == 1 || quiz.revealMode == 3);
    if (media.rewardLine && !showsReward) {
        p.WarnAt(media.rewardLine,
                 "reward pictures are shown only in a picture quiz with reveal-mode 1 or 3: "
                 "reward is ignored");
        media.reward.clear();
    }
    const bool showsReveal = kind != 0 && quiz.revealMode >= 2 && quiz.revealMode <= 4;
    if (lines.reveal && !showsReveal)
        p.WarnAt(lines.reveal,
                 "reveal texts are shown only in a picture, audio or video quiz with reveal-mode 2, "
                 "3 or 4: reveal is ignored");
}

// Checks what only the whole quiz can tell.
void CheckWhole(Parser& p) {
    const QuizContent& quiz = p.source->content;
    const size_t questions = quiz.questions.size();
    if (questions == 0) {
        p.ErrorAt(0, "the quiz has no question");
        return;
    }
    if (quiz.quizKind == 0 && quiz.answersPerQuestion != 1)
        p.ErrorAt(p.quizKeyLines["answers"], "a text-list quiz has one answer per question (answers: 1)");
    const size_t scores = quiz.scoreMessages.size();
    const std::string counts =
        std::to_string(scores) + " score lines for " + std::to_string(questions) + " questions";
    if (scores > questions)
        p.ErrorAt(p.scoreLines[questions],
                  counts + ": at most one per possible score, 1 to " + std::to_string(questions));
    else if (scores < questions)
        p.WarnAt(scores ? p.scoreLines.back() : 0,
                 counts + ": a score above " + std::to_string(scores) + " shows no code");
    for (size_t i = 0; i < questions; ++i)
        CheckQuestion(p, i);
}

} // namespace

bool ParseQuizSource(const std::string& bytes, QuizSource* source, std::vector<SourceMessage>* errors,
                     std::vector<SourceMessage>* warnings) {
    *source = QuizSource();
    const size_t errorsBefore = errors->size(), warningsBefore = warnings->size();
    // Lines may end in CR LF, LF or a lone CR (old Mac editors).
    std::string text = bytes;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) text[i] = '\n';
    if (!CheckEncoding(text, errors)) return false;
    Parser p;
    p.source = source;
    p.errors = errors;
    p.warnings = warnings;
    std::istringstream in(text);
    std::string line;
    bool more = true;
    while (more && std::getline(in, line)) {
        ++p.line;
        if (p.line == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#') continue;
        const size_t colon = trimmed.find(':');
        if (colon == std::string::npos) {
            p.Error("expected 'key: value'");
            continue;
        }
        more = TakeLine(p, Trim(trimmed.substr(0, colon)), Trim(trimmed.substr(colon + 1)));
    }
    if (more) CheckWhole(p);
    // In file order, whatever check found them; messages about the whole file first.
    const auto byLine = [](const SourceMessage& a, const SourceMessage& b) { return a.line < b.line; };
    std::stable_sort(errors->begin() + errorsBefore, errors->end(), byLine);
    std::stable_sort(warnings->begin() + warningsBefore, warnings->end(), byLine);
    return errors->size() == errorsBefore;
}
