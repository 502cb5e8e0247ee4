// The loader's steps: decode each piece, descrambling it once when it does not decode as it stands, and
// fall back to a stand-in quiz when the quiz piece is missing.
#include "quizdata/quiz_loader.h"

#include <cstdlib>
#include <cstring>

#include "quizdata/extra_spellings.h"
#include "quizdata/lzw_decoder.h"
#include "quizdata/quiz_text_parser.h"
#include "quizdata/scramble_key.h"
#include "quizdata/user_message.h"

namespace {

const char kCaption[] = "Jorvo";

struct DecodedText {
    uint8_t* bytes = nullptr;
    size_t length = 0;
    ~DecodedText() { std::free(bytes); }
};

// A private, writable copy of coded bytes (descrambling works in place); empty when absent or when no
// memory could be had, which the decoder then reports as damaged input.
struct CodedCopy {
    uint8_t* bytes = nullptr;
    size_t size = 0;
    CodedCopy(const uint8_t* source, size_t sourceSize) {
        if (!source || sourceSize == 0) return;
        bytes = static_cast<uint8_t*>(std::malloc(sourceSize));
        if (!bytes) return;
        std::memcpy(bytes, source, sourceSize);
        size = sourceSize;
    }
    ~CodedCopy() { std::free(bytes); }
    CodedCopy(const CodedCopy&) = delete;
    CodedCopy& operator=(const CodedCopy&) = delete;
};

// Decodes the piece as it stands; when that fails, descrambles it in place from keyPosition on and decodes
// once more, which decides.
bool DecodeWithRetry(CodedCopy& coded, int& keyPosition, const MessageTarget& messages, DecodedText* text) {
    uint32_t reported = 0;
    int32_t status = LzwDecoder::decode(coded.bytes, coded.size, &text->bytes, &reported, messages);
    if (status != LzwDecoder::kDecodeOk) {
        std::free(text->bytes);
        text->bytes = nullptr;
        XorWithScrambleKey(coded.bytes, coded.size, keyPosition);
        status = LzwDecoder::decode(coded.bytes, coded.size, &text->bytes, &reported, messages);
    }
    if (status != LzwDecoder::kDecodeOk) return false;
    text->length = reported - 2;
    return true;
}

// Looks piece `id` up (null and 0 when absent); the caller copies it before releasing it.
void FindPiece(const QuizResourceAccess& access, int id, const uint8_t** bytes, size_t* size) {
    *bytes = nullptr;
    *size = 0;
    access.findPiece(access.context, id, bytes, size);
    if (!*bytes) *size = 0;
}

void Tell(const MessageTarget& messages, const char* text) {
    SendUserMessage(messages, text, kCaption, kMessageOk);
}

// The stand-in quiz when the quiz piece is missing: seven questions over two records.
void BuildFallbackQuiz(QuizDocument* document) {
    std::strcpy(document->title, "Nom du jorvo");
    std::strcpy(document->author, "Createur jorvo");
    std::strcpy(document->explanation, "Explications du jorvo");
    std::strcpy(document->answerLabel1, "TEST");
    std::strcpy(document->answerLabel2, "TEST");
    document->questionCount = 7;
    document->revealMode = 3;
    document->quizKind = kQuizPictures;
    document->answersPerQuestion = 1;
    SetBackgroundColour(document, 51, 102, 255);
    document->addQuestion("TEST", "TEST", "emplacement");
    document->addQuestion("TEST", "TEST", "emplacement");
}

// The other spellings, coded like the score codes. Only a quiz that has some carries the piece; a damaged
// one is told like damaged score codes, and the fields then accept their first spellings only.
void LoadExtraSpellings(QuizDocument* document, const QuizResourceAccess& access,
                        const MessageTarget& messages) {
    const uint8_t* piece = nullptr;
    size_t pieceSize = 0;
    FindPiece(access, kSpellingsPieceId, &piece, &pieceSize);
    CodedCopy coded(piece, pieceSize);
    access.releasePiece(access.context, kSpellingsPieceId);
    if (pieceSize == 0) return;
    int keyPosition = 0;
    DecodedText text;
    if (DecodeWithRetry(coded, keyPosition, messages, &text))
        document->extraSpellings = ReadExtraSpellings(text.bytes, text.length, document->questionCount,
                                                      document->answersPerQuestion);
    if (!document->extraSpellings)
        Tell(messages, "Erreur dans le d\xE9"
                       "cryptage des variantes");
}

} // namespace

void QuizLoader::load(QuizDocument* document, const QuizResourceAccess& access) {
    const MessageTarget messages = {access.showMessage, access.context};
    // One key position for the whole load: the quiz piece's pass goes on where the block's stopped.
    int keyPosition = 0;

    CodedCopy block(access.builtInBlock, access.builtInBlockSize);
    DecodedText blockText;
    if (!DecodeWithRetry(block, keyPosition, messages, &blockText)) {
        Tell(messages, "Erreur dans le d\xE9"
                       "cryptage");
        document->questionCount = 0;
        return;
    }
    ParseBuiltInBlockText(document, blockText.bytes, blockText.length);

    const uint8_t* piece = nullptr;
    size_t pieceSize = 0;
    FindPiece(access, kQuizPieceId, &piece, &pieceSize);
    CodedCopy quiz(piece, pieceSize);
    access.releasePiece(access.context, kQuizPieceId);
    if (pieceSize == 0) {
        Tell(messages, kScrambleKey);
        BuildFallbackQuiz(document);
        return;
    }
    DecodedText quizText;
    if (!DecodeWithRetry(quiz, keyPosition, messages, &quizText)) {
        Tell(messages, "Erreur dans le d\xE9"
                       "cryptage des reponses");
        document->questionCount = 0;
        return;
    }
    ParseQuizText(document, quizText.bytes, quizText.length);

    // A missing score piece decodes as empty input and fails like a damaged one.
    FindPiece(access, kScorePieceId, &piece, &pieceSize);
    CodedCopy scores(piece, pieceSize);
    access.releasePiece(access.context, kScorePieceId);
    keyPosition = 0;
    DecodedText scoreText;
    if (DecodeWithRetry(scores, keyPosition, messages, &scoreText))
        ParseScoreText(document, scoreText.bytes, scoreText.length);
    else
        Tell(messages, "Erreur dans le d\xE9"
                       "cryptage des codes");
    LoadExtraSpellings(document, access, messages);
}
