// The loader's steps: decode each piece, descrambling it once when it does not decode as it stands, and
// fall back to a stand-in quiz when the quiz piece is missing.
#include "quizdata/quiz_loader.h"

#include <cstdlib>
#include <cstring>
#include <vector>

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

// Decodes the piece as it stands; when that fails, descrambles it in place from keyPosition on and decodes
// once more, which decides.
bool DecodeWithRetry(std::vector<uint8_t>& coded, int& keyPosition, const MessageTarget& messages,
                     DecodedText* text) {
    uint32_t reported = 0;
    int32_t status = LzwDecoder::decode(coded.data(), coded.size(), &text->bytes, &reported, messages);
    if (status != LzwDecoder::kDecodeOk) {
        std::free(text->bytes);
        text->bytes = nullptr;
        XorWithScrambleKey(coded.data(), coded.size(), keyPosition);
        status = LzwDecoder::decode(coded.data(), coded.size(), &text->bytes, &reported, messages);
    }
    if (status != LzwDecoder::kDecodeOk) return false;
    text->length = reported - 2;
    return true;
}

// A private copy of piece `id` (empty when absent); the piece is released at once.
std::vector<uint8_t> CopyPiece(const QuizResourceAccess& access, int id) {
    const uint8_t* bytes = nullptr;
    size_t size = 0;
    access.findPiece(access.context, id, &bytes, &size);
    std::vector<uint8_t> copy;
    if (bytes && size) copy.assign(bytes, bytes + size);
    access.releasePiece(access.context, id);
    return copy;
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

} // namespace

void QuizLoader::load(QuizDocument* document, const QuizResourceAccess& access) {
    const MessageTarget messages = {access.showMessage, access.context};
    // One key position for the whole load: the quiz piece's pass goes on where the block's stopped.
    int keyPosition = 0;

    std::vector<uint8_t> block(access.builtInBlock, access.builtInBlock + access.builtInBlockSize);
    DecodedText blockText;
    if (!DecodeWithRetry(block, keyPosition, messages, &blockText)) {
        Tell(messages, "Erreur dans le d\xE9"
                       "cryptage");
        document->questionCount = 0;
        return;
    }
    ParseBuiltInBlockText(document, blockText.bytes, blockText.length);

    std::vector<uint8_t> quiz = CopyPiece(access, kQuizPieceId);
    if (quiz.empty()) {
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
    std::vector<uint8_t> scores = CopyPiece(access, kScorePieceId);
    keyPosition = 0;
    DecodedText scoreText;
    if (!DecodeWithRetry(scores, keyPosition, messages, &scoreText)) {
        Tell(messages, "Erreur dans le d\xE9"
                       "cryptage des codes");
        return;
    }
    ParseScoreText(document, scoreText.bytes, scoreText.length);
}
