// Fills a freshly built document from the built-in block and the PATCH pieces 104 (the quiz) and 105
// (the score codes), and 106 (the answers' other spellings) when the quiz has one. Every problem is told
// through the message function; the loader always returns.
#pragma once

#include <cstddef>
#include <cstdint>

#include "quizdata/message_target.h"
#include "quizdata/quiz_document.h"

constexpr int kQuizPieceId = 104;
constexpr int kScorePieceId = 105;
constexpr int kSpellingsPieceId = 106; // absent from a quiz whose answers have one spelling each

// What the loader needs from the platform. The loader never writes to the pieces' bytes: it descrambles
// a private copy.
struct QuizResourceAccess {
    void* context;
    const uint8_t* builtInBlock;
    size_t builtInBlockSize;
    // The bytes and size of PATCH piece `id`; size 0 (bytes may be null) when it is absent. The bytes stay
    // readable until releasePiece(id).
    void (*findPiece)(void* context, int id, const uint8_t** bytes, size_t* size);
    void (*releasePiece)(void* context, int id);
    MessageFunction showMessage; // text, caption "Jorvo", flags 0; null sends to ShowUserMessage
};

namespace QuizLoader {

void load(QuizDocument* document, const QuizResourceAccess& access);

} // namespace QuizLoader
