#include "tools/source/quiz_source.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>

#include "quizdata/extra_spellings.h"
#include "judging/text_ops.h"
#include "tools/source/answer_spellings.h"
#include "tools/source/answer_text.h"
#include "tools/common/messages.h"
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
    bool answerRefused = false; // its `answer:` was reported: "has no answer" would say it twice
};

struct Parser {
    QuizSource* source = nullptr;
    std::vector<SourceMessage>* errors = nullptr;
    std::vector<SourceMessage>* warnings = nullptr;
    int line = 0;
    std::map<std::string, int> quizKeyLines;
    std::vector<QuestionLines> questionLines;
    std::vector<int> scoreLines;
    // Quiz keys whose value was refused: nothing is judged from them (the error said it all).
    std::set<std::string> rejected;

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
        errors->push_back({0, Say(Msg::SourceIsUtf16)});
        return false;
    }
    if (bytes.find('\0') != std::string::npos) {
        errors->push_back({0, Say(Msg::SourceHasNul)});
        return false;
    }
    const size_t bad = FindInvalidUtf8(bytes);
    if (bad == std::string::npos) return true;
    int line = 1;
    for (size_t i = 0; i < bad; ++i)
        line += bytes[i] == '\n';
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(bytes[bad]));
    errors->push_back({line, Say(Msg::SourceNotUtf8, {hex})});
    return false;
}

// A text the player will see: Windows-1252, no field separator, within the player's limit.
bool TakeText(Parser& p, const std::string& key, const std::string& value, size_t limit, std::string* out) {
    std::string problem;
    if (!Utf8ToCp1252(value, out, &problem)) {
        p.Error(Say(Msg::CannotShow, {key, problem}));
        return false;
    }
    if (out->find('|') != std::string::npos) {
        p.Error(Say(Msg::NoBar, {key}));
        return false;
    }
    if (out->size() > limit) {
        p.Error(Say(Msg::TextTooLongToFit, {key, std::to_string(out->size()), std::to_string(limit)}));
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
        p.Error(Say(Msg::CannotShow, {key, problem}));
    } else if (first && out->find('|') != std::string::npos) {
        p.Error(Say(Msg::FirstSpellingNoBar, {key}));
    } else if (out->size() > kLongestAnswer) {
        p.Error(Say(Msg::AnswerTooLong, {key, std::to_string(out->size()), std::to_string(kLongestAnswer)}));
    } else if (!out->empty() && (out->front() == ' ' || out->back() == ' ')) {
        p.Error(Say(Msg::NonBreakingEdge, {key}));
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
        p.Error(Say(Msg::TooManySpellingsKept,
                    {key, std::to_string(spellings.size()), std::to_string(kMaxSpellings)}));
        return;
    }
    size_t total = 0;
    std::vector<std::string> seen;
    for (size_t i = 0; i < spellings.size(); ++i) {
        if (spellings.size() > 1 && spellings[i].empty()) {
            p.Error(Say(Msg::EmptySpelling, {key, std::to_string(i + 1)}));
            return;
        }
        std::string spelling;
        if (!TakeAnswer(p, key, spellings[i], i == 0, &spelling)) return;
        total += spelling.size();
        const std::string upper = UpperCased(spelling);
        if (std::find(seen.begin(), seen.end(), upper) != seen.end()) {
            p.Warn(Say(Msg::SpellingTwice, {key, spellings[i]}));
            continue;
        }
        seen.push_back(upper);
        if (i == 0)
            *first = spelling;
        else
            others->push_back(spelling);
    }
    if (total > static_cast<size_t>(kMaxSpellingsLength))
        p.Error(
            Say(Msg::SpellingsTooLong, {key, std::to_string(total), std::to_string(kMaxSpellingsLength)}));
}

// A key given twice in the same place: the later value wins, and the author hears of it. `*lastLine`
// becomes the line of the value in use.
void NoteRepeat(Parser& p, const std::string& key, int* lastLine) {
    if (*lastLine) p.Warn(Say(Msg::GivenAgain, {key, std::to_string(*lastLine)}));
    *lastLine = p.line;
}

bool TakeNumber(Parser& p, const std::string& key, const std::string& value, int lowest, int highest,
                int* out) {
    char* end = nullptr;
    const long number = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0' || number < lowest || number > highest) {
        p.Error(Say(Msg::NumberFromTo, {key, std::to_string(lowest), std::to_string(highest)}));
        p.rejected.insert(key);
        return false;
    }
    *out = static_cast<int>(number);
    return true;
}

std::string Lowercase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    return text;
}

void TakeKind(Parser& p, const std::string& value, int32_t* kind) {
    static const char* const kNames[] = {"text", "pictures", "audio", "video"};
    std::string hint;
    for (int i = 0; i < 4; ++i) {
        if (value == kNames[i]) {
            *kind = i;
            return;
        }
        if (Lowercase(value) == kNames[i]) hint = kNames[i];
    }
    p.Error(hint.empty() ? Say(Msg::KindMustBe)
                         : Say(Msg::WriteInSmallLetters, {Say(Msg::KindMustBe), hint}));
    p.rejected.insert("kind");
}

void TakeColour(Parser& p, const std::string& value, QuizContent* quiz) {
    std::istringstream in(value);
    int red = -1, green = -1, blue = -1;
    std::string rest;
    if (!(in >> red >> green >> blue) || (in >> rest) || red < 0 || red > 255 || green < 0 || green > 255 ||
        blue < 0 || blue > 255) {
        p.Error(Say(Msg::ColourMustBe));
        p.rejected.insert("colour");
        return;
    }
    quiz->red = static_cast<uint8_t>(red);
    quiz->green = static_cast<uint8_t>(green);
    quiz->blue = static_cast<uint8_t>(blue);
}

void TakeFile(Parser& p, const std::string& key, const std::string& value, std::string* file, int* line) {
    if (value.empty()) {
        p.Error(Say(Msg::NeedsFileName, {key}));
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
        const size_t errorsBefore = p.errors->size();
        TakeSpellings(p, key, value, &question.answer1, &question.extraSpellings1);
        lines.answerRefused = p.errors->size() > errorsBefore;
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

// Letters to change, add, remove or swap to turn one word into the other.
size_t Distance(const std::string& a, const std::string& b) {
    std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
    for (size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (size_t i = 1; i <= a.size(); ++i)
        for (size_t j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] != b[j - 1])});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

// The known key an unknown one most likely meant to be; empty when none is near.
std::string NearestKey(const std::string& key) {
    static const char* const kKeys[] = {
        "title",  "author",   "explanation", "label1",  "label2", "kind",    "answers", "reveal-mode",
        "colour", "question", "answer",      "answer2", "reveal", "picture", "reward",  "score"};
    std::string best;
    size_t bestDistance = 3; // farther than two edits is another word
    for (const char* known : kKeys) {
        const size_t distance = Distance(key, known);
        if (distance < bestDistance && distance < std::string(known).size() / 2 + 1) {
            bestDistance = distance;
            best = known;
        }
    }
    return best;
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
        const std::string nearest = NearestKey(key);
        p.Error(nearest.empty() ? Say(Msg::UnknownKey, {key}) : Say(Msg::UnknownKeyNearest, {key, nearest}));
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
            p.Error(Say(Msg::MostQuestions));
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
            p.Error(Say(Msg::BelongsToQuestion, {key}));
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
        p.WarnAt(line, Say(others.empty() ? Msg::ShortAnswer : Msg::ShortAnswerAndSpellings,
                           {Cp1252ToUtf8(answer)}));
}

void CheckQuestion(Parser& p, size_t i) {
    const QuizContent& quiz = p.source->content;
    const QuestionContent& question = quiz.questions[i];
    QuestionMedia& media = p.source->media[i];
    const QuestionLines& lines = p.questionLines[i];
    const std::string which = Say(Msg::QuestionN, {std::to_string(i + 1)});
    const int kind = quiz.quizKind;
    const bool kindKnown = !p.rejected.count("kind");
    const bool modeKnown = !p.rejected.count("reveal-mode");

    if (question.answer1.empty()) {
        if (!lines.answerRefused) p.ErrorAt(media.line, Say(Msg::HasNoAnswer, {which}));
    } else {
        CheckAnswerLength(p, question.answer1, question.extraSpellings1, lines.answer);
    }
    if (p.rejected.count("answers")) {
        // How many answers a question has is unknown: neither answer2 nor its absence is judged.
    } else if (quiz.answersPerQuestion == 2) {
        if (question.answer2.empty())
            p.ErrorAt(media.line, Say(Msg::HasNoAnswer2, {which}));
        else if (question.answer2 != "-")
            CheckAnswerLength(p, question.answer2, question.extraSpellings2, lines.answer2);
        else if (!question.extraSpellings2.empty()) {
            p.WarnAt(lines.answer2, Say(Msg::SingleFieldSpellings));
            p.source->content.questions[i].extraSpellings2.clear();
        }
    } else if (lines.answer2) {
        p.WarnAt(lines.answer2, Say(kind == 0 ? Msg::TextListOneAnswerIgnored : Msg::OneAnswerIgnored));
    }

    if (!kindKnown) return; // what a question shows depends on the kind
    static const Msg kHasNoMedia[] = {Msg::HasNoPicture, Msg::HasNoPicture, Msg::HasNoSound, Msg::HasNoFilm};
    if (kind != 0 && media.picture.empty()) p.ErrorAt(media.line, Say(kHasNoMedia[kind], {which}));
    if (kind == 0 && media.pictureLine) {
        p.WarnAt(media.pictureLine, Say(Msg::TextListNoPicture));
        media.picture.clear();
    }
    const bool showsReward = kind == 1 && (quiz.revealMode == 1 || quiz.revealMode == 3);
    if (media.rewardLine && !showsReward && modeKnown) {
        p.WarnAt(media.rewardLine, Say(Msg::RewardIgnored));
        media.reward.clear();
    }
    const bool showsReveal = kind != 0 && quiz.revealMode >= 2 && quiz.revealMode <= 4;
    if (lines.reveal && !showsReveal && modeKnown) p.WarnAt(lines.reveal, Say(Msg::RevealIgnored));
}

// Checks what only the whole quiz can tell.
void CheckWhole(Parser& p) {
    const QuizContent& quiz = p.source->content;
    const size_t questions = quiz.questions.size();
    if (questions == 0) {
        p.ErrorAt(0, Say(Msg::NoQuestion));
        return;
    }
    if (quiz.quizKind == 0 && quiz.answersPerQuestion != 1 && !p.rejected.count("kind"))
        p.ErrorAt(p.quizKeyLines["answers"], Say(Msg::TextListOneAnswer));
    const size_t scores = quiz.scoreMessages.size();
    const std::string counts =
        Say(Msg::ScoreLinesFor,
            {SayCount(Msg::ScoreLinesOne, Msg::ScoreLinesMany, static_cast<long long>(scores)),
             SayCount(Msg::QuestionsOne, Msg::QuestionsMany, static_cast<long long>(questions))});
    if (scores > questions)
        p.ErrorAt(p.scoreLines[questions], Say(Msg::TooManyScores, {counts, std::to_string(questions)}));
    else if (scores < questions)
        p.WarnAt(scores ? p.scoreLines.back() : 0, Say(Msg::TooFewScores, {counts, std::to_string(scores)}));
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
            p.Error(Say(Msg::ExpectedKeyValue));
            continue;
        }
        // A word processor capitalises the first letter of a line: keys are read whatever their case.
        more = TakeLine(p, Lowercase(Trim(trimmed.substr(0, colon))), Trim(trimmed.substr(colon + 1)));
    }
    if (more) CheckWhole(p);
    // In file order, whatever check found them; messages about the whole file first.
    const auto byLine = [](const SourceMessage& a, const SourceMessage& b) { return a.line < b.line; };
    std::stable_sort(errors->begin() + errorsBefore, errors->end(), byLine);
    std::stable_sort(warnings->begin() + warningsBefore, warnings->end(), byLine);
    return errors->size() == errorsBefore;
}

std::string FormatSourceMessage(const SourceMessage& message) {
    return message.line ? "line " + std::to_string(message.line) + ": " + message.text : message.text;
}
