// Arbitrary bytes as a quiz source, through the parser and its checks as `pack` runs them. A source the
// parser accepts must pass the quiz checks, write back to a source that parses to the same quiz, and,
// coded as `pack` codes it, load in the player with every text as the author wrote it and no message.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "quizdata/gdi_port.h"
#include "judging/field_judging.h"
#include "quizdata/quiz_loader.h"
#include "tools/source/quiz_source.h"
#include "tools/source/quiz_source_writer.h"

// The document's GDI objects: handles that are never drawn with.
BrushHandle PortCreateSolidBrush(uint32_t) {
    return reinterpret_cast<BrushHandle>(0x100);
}
FontHandle PortCreateFont(const FontDescription&) {
    return reinterpret_cast<FontHandle>(0x200);
}
void PortDeleteObject(void*) {}

namespace {

constexpr size_t kLongestText = 259;
constexpr size_t kLongestAnswer = 55;

// A broken promise: says which, for whoever replays the input.
#define Check(holds) CheckThat(holds, #holds)
void CheckThat(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

// A second answer in a one-answer quiz is ignored (with a warning), neither coded nor written back.
bool SameQuestion(const QuestionContent& a, const QuestionContent& b, bool twoAnswers) {
    return a.answer1 == b.answer1 && a.extraSpellings1 == b.extraSpellings1 &&
           (!twoAnswers || (a.answer2 == b.answer2 && a.extraSpellings2 == b.extraSpellings2)) &&
           a.questionText == b.questionText && a.revealText == b.revealText;
}

bool SameQuiz(const QuizSource& a, const QuizSource& b) {
    const QuizContent &x = a.content, &y = b.content;
    if (x.quizKind != y.quizKind || x.answersPerQuestion != y.answersPerQuestion || x.title != y.title ||
        x.author != y.author || x.explanation != y.explanation || x.answerLabel1 != y.answerLabel1 ||
        x.answerLabel2 != y.answerLabel2 || x.revealMode != y.revealMode || x.red != y.red ||
        x.green != y.green || x.blue != y.blue || x.scoreMessages != y.scoreMessages ||
        x.questions.size() != y.questions.size() || a.media.size() != b.media.size())
        return false;
    for (size_t i = 0; i < x.questions.size(); ++i)
        if (!SameQuestion(x.questions[i], y.questions[i], x.answersPerQuestion == 2) ||
            a.media[i].picture != b.media[i].picture || a.media[i].reward != b.media[i].reward)
            return false;
    return true;
}

void CheckLimits(const QuizContent& quiz) {
    Check(!quiz.questions.empty() && quiz.questions.size() <= size_t(kMaxQuestions));
    Check(quiz.scoreMessages.size() <= quiz.questions.size());
    Check(quiz.quizKind >= 0 && quiz.quizKind <= 3 && quiz.revealMode >= 0 && quiz.revealMode <= 6);
    Check(quiz.answersPerQuestion == 1 || quiz.answersPerQuestion == 2);
    for (const std::string* text :
         {&quiz.title, &quiz.author, &quiz.explanation, &quiz.answerLabel1, &quiz.answerLabel2})
        Check(text->size() <= kLongestText);
    for (const std::string& score : quiz.scoreMessages)
        Check(score.size() <= kLongestText);
    for (const QuestionContent& q : quiz.questions)
        Check(!q.answer1.empty() && q.answer1.size() <= kLongestAnswer &&
              q.extraSpellings1.size() < kMaxSpellings && q.answer2.size() <= kLongestAnswer &&
              q.questionText.size() <= kLongestText && q.revealText.size() <= kLongestText);
    Check(DescribeQuizProblem(quiz).empty());
}

struct Pieces {
    ByteVector quiz, scores, spellings; // no spellings: no PATCH 106, as pack writes it
    int messages = 0;
};

void FindPiece(void* context, int id, const uint8_t** bytes, size_t* size) {
    const auto* pieces = static_cast<Pieces*>(context);
    const ByteVector& piece = id == kQuizPieceId    ? pieces->quiz
                              : id == kScorePieceId ? pieces->scores
                                                    : pieces->spellings;
    *bytes = piece.data();
    *size = piece.size();
}
void ReleasePiece(void*, int) {}
void CountMessage(void* context, const char*, const char*, unsigned) {
    ++static_cast<Pieces*>(context)->messages;
}

// Codes the quiz as `pack` does (one score line per possible score) and loads it as the player does.
void CheckPlayerReads(const QuizContent& quiz, bool scramble) {
    std::vector<std::string> scores = quiz.scoreMessages;
    scores.resize(quiz.questions.size());
    const ByteVector text = SerialiseQuiz(quiz), scoreText = SerialiseScoreMessages(scores);
    Check(!text.empty() && !scoreText.empty());
    Pieces pieces;
    int quizKey = 0, scoreKey = 0;
    pieces.quiz = scramble ? LzwEncodeScrambled(text.data(), text.size(), quizKey)
                           : LzwEncode(text.data(), text.size());
    pieces.scores = scramble ? LzwEncodeScrambled(scoreText.data(), scoreText.size(), scoreKey)
                             : LzwEncode(scoreText.data(), scoreText.size());
    const ByteVector spellingsText = SerialiseExtraSpellings(quiz);
    int spellingsKey = 0;
    if (!spellingsText.empty())
        pieces.spellings = scramble
                               ? LzwEncodeScrambled(spellingsText.data(), spellingsText.size(), spellingsKey)
                               : LzwEncode(spellingsText.data(), spellingsText.size());
    // A quiz too large for the coder is refused by `pack` with a message of its own.
    if (pieces.quiz.empty() || pieces.scores.empty() || pieces.spellings.empty() != spellingsText.empty())
        return;
    int blockKey = 0;
    static const ByteVector block = CodeBuiltInBlock("lien", "pied", false, blockKey);
    QuizDocument document;
    const QuizResourceAccess access = {&pieces,   block.data(), block.size(),
                                       FindPiece, ReleasePiece, CountMessage};
    QuizLoader::load(&document, access);
    Check(pieces.messages == 0);
    Check(document.quizKind == quiz.quizKind && document.answersPerQuestion == quiz.answersPerQuestion &&
          document.revealMode == quiz.revealMode);
    Check(document.questionCount == static_cast<int>(quiz.questions.size()));
    Check(quiz.title == document.title && quiz.author == document.author &&
          quiz.explanation == document.explanation && quiz.answerLabel1 == document.answerLabel1 &&
          quiz.answerLabel2 == document.answerLabel2);
    const bool reveals = quiz.revealMode >= 1 && quiz.revealMode != 5;
    for (int i = 0; i < document.questionCount; ++i) {
        const QuestionRecord* record = document.questionAt(i);
        const QuestionContent& q = quiz.questions[static_cast<size_t>(i)];
        Check(record && q.answer1 == record->answer1 && q.questionText == record->questionText);
        Check(quiz.answersPerQuestion == 1 || q.answer2 == record->answer2);
        Check(!reveals || q.revealText == record->revealText);
        Check(scores[static_cast<size_t>(i)] == document.scoreMessages[i]);
        // Every spelling reaches the player, in order, the first from the record.
        for (int slot = 1; slot <= quiz.answersPerQuestion; ++slot) {
            std::vector<std::string> expected = {slot == 1 ? q.answer1 : q.answer2};
            const std::vector<std::string>& others = slot == 1 ? q.extraSpellings1 : q.extraSpellings2;
            expected.insert(expected.end(), others.begin(), others.end());
            const char* spellings[kMaxSpellings];
            const int count = AcceptedSpellings(&document, i + 1, slot, spellings);
            Check(std::vector<std::string>(spellings, spellings + count) == expected);
        }
    }
    const uint8_t colour[3] = {quiz.red, quiz.blue, quiz.green}; // the document keeps red, blue, green
    Check(std::memcmp(document.backgroundColour, colour, 3) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 1 << 17) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    QuizSource source;
    std::vector<SourceMessage> errors, warnings;
    const bool ok = ParseQuizSource(bytes, &source, &errors, &warnings);
    Check(ok == errors.empty());
    for (const SourceMessage& m : errors)
        Check(!m.text.empty() && m.line >= 0);
    if (!ok) return 0;
    CheckLimits(source.content);

    // `unpack` writes the source back: it must read as the same quiz.
    std::vector<std::string> writeWarnings;
    const std::string written = WriteQuizSource(source, "Fuzzed", &writeWarnings);
    QuizSource again;
    errors.clear();
    Check(ParseQuizSource(written, &again, &errors, &warnings) && SameQuiz(source, again));

    CheckPlayerReads(source.content, size & 1);
    return 0;
}
