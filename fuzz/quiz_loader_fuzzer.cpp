// The whole loader on arbitrary bytes. The input is split into the built-in block, PATCH 104 and
// PATCH 105: two little-endian 16-bit lengths first, then the pieces; a length of 0xFFFF leaves that
// piece out. The last piece is offered as PATCH 106 (the other spellings) too. Every outcome must leave
// a document the rest of the player can use. The input as a whole is also read as a decoded spellings
// text, whose spellings must each lie inside it and keep to the limits.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "quizdata/extra_spellings.h"
#include "quizdata/gdi_port.h"
#include "judging/field_judging.h"
#include "quizdata/quiz_loader.h"

// The document's GDI objects, counted instead of created.
namespace {
int liveObjects = 0;
uintptr_t nextHandle = 0x100;
void* NewObject() {
    ++liveObjects;
    nextHandle += 8;
    return reinterpret_cast<void*>(nextHandle);
}
} // namespace

BrushHandle PortCreateSolidBrush(uint32_t) {
    return static_cast<BrushHandle>(NewObject());
}
FontHandle PortCreateFont(const FontDescription&) {
    return static_cast<FontHandle>(NewObject());
}
void PortDeleteObject(void* object) {
    if (object) --liveObjects;
}

namespace {

struct Pieces {
    std::vector<uint8_t> quiz, scores;
    bool hasQuiz, hasScores;
};

void FindPiece(void* context, int id, const uint8_t** bytes, size_t* size) {
    auto* pieces = static_cast<Pieces*>(context);
    const bool present = id == kQuizPieceId ? pieces->hasQuiz : pieces->hasScores;
    const std::vector<uint8_t>& piece = id == kQuizPieceId ? pieces->quiz : pieces->scores;
    *bytes = present ? piece.data() : nullptr;
    *size = present ? piece.size() : 0;
}
void ReleasePiece(void*, int) {}
void IgnoreMessage(void*, const char*, const char*, unsigned) {}

size_t ReadLength(const uint8_t* data) {
    return data[0] | (data[1] << 8);
}

bool TextEnds(const char* text, size_t capacity) {
    return std::memchr(text, 0, capacity) != nullptr;
}

void CheckSpellings(const ExtraSpellings* spellings, size_t textLength) {
    if (!spellings) return;
    for (int q = 0; q < kMaxQuestions; ++q)
        for (int slot = 0; slot < 2; ++slot) {
            if (spellings->count[q][slot] > kMaxSpellings - 1) std::abort();
            for (int i = 0; i < spellings->count[q][slot]; ++i) {
                const char* spelling = spellings->spelling[q][slot][i];
                const size_t length = std::strlen(spelling);
                if (spelling < spellings->text || spelling + length >= spellings->text + textLength)
                    std::abort();
                if (length == 0 || length > static_cast<size_t>(kMaxSpellingLength)) std::abort();
            }
        }
}

void ReadAsSpellings(const uint8_t* data, size_t size) {
    const int questions = size ? data[0] % (kMaxQuestions + 2) : 0; // 97 must be refused
    for (int perQuestion = 1; perQuestion <= 2; ++perQuestion) {
        ExtraSpellings* spellings = ReadExtraSpellings(data, size, questions, perQuestion);
        if (spellings && questions > kMaxQuestions) std::abort();
        CheckSpellings(spellings, size);
        FreeExtraSpellings(spellings);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ReadAsSpellings(data, size);
    if (size < 4) return 0;
    const size_t blockLength = ReadLength(data), quizLength = ReadLength(data + 2);
    data += 4;
    size -= 4;
    const size_t blockTaken = blockLength < size ? blockLength : size;
    // The block in a buffer of its exact size, so that ASan sees any read past it.
    std::vector<uint8_t> block(data, data + blockTaken);
    data += blockTaken;
    size -= blockTaken;
    Pieces pieces;
    pieces.hasQuiz = quizLength != 0xFFFF;
    const size_t quizTaken = pieces.hasQuiz ? (quizLength < size ? quizLength : size) : 0;
    pieces.quiz.assign(data, data + quizTaken);
    pieces.scores.assign(data + quizTaken, data + size);
    pieces.hasScores = !pieces.scores.empty() || (blockLength & 1);

    {
        QuizDocument document;
        QuizResourceAccess access = {&pieces,   block.data(), block.size(),
                                     FindPiece, ReleasePiece, IgnoreMessage};
        QuizLoader::load(&document, access);
        int records = 0;
        for (QuestionRecord* record = document.firstQuestion; record; record = record->next) {
            if (!TextEnds(record->answer1, kTextSize) || !TextEnds(record->revealText, kTextSize))
                std::abort();
            ++records;
        }
        if (document.questionCount < 0 || document.questionCount > kMaxQuestions) std::abort();
        if (document.answersPerQuestion != 1 && document.answersPerQuestion != 2) std::abort();
        // Every quiz read from its piece has one record per question; only the fallback quiz has fewer.
        if (records != document.questionCount && !(document.questionCount == 7 && records == 2)) std::abort();
        if (!TextEnds(document.linkText, sizeof document.linkText) ||
            !TextEnds(document.footerText, sizeof document.footerText) ||
            !TextEnds(document.title, kTextSize))
            std::abort();
        for (const auto& message : document.scoreMessages)
            if (!TextEnds(message, kTextSize)) std::abort();
        // Every field's spellings can be asked for, and are texts.
        for (int question = 1; question <= document.questionCount; ++question)
            for (int slot = 1; slot <= document.answersPerQuestion; ++slot) {
                const char* spellings[kMaxSpellings];
                const int count = AcceptedSpellings(&document, question, slot, spellings);
                if (count < 1 || count > kMaxSpellings) std::abort();
                for (int i = 0; i < count; ++i)
                    if (std::strlen(spellings[i]) >= static_cast<size_t>(kTextSize)) std::abort();
            }
        if (liveObjects != 7) std::abort(); // five brushes and two fonts: a replaced brush was deleted
    }
    if (liveObjects != 0) std::abort();
    return 0;
}
