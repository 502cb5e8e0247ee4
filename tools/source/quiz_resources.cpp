#include "tools/source/quiz_resources.h"

#include <cstdlib>
#include <cstring>

#include "quizdata/lzw_decoder.h"
#include "quizdata/scramble_key.h"
#include "tools/common/messages.h"
#include "tools/source/quiz_text_reader.h"

namespace {

const ResourceKey kPatchType = TextKey("PATCH");
const ResourceKey kMediaType = TextKey("IMG");
const ResourceKey kRawDataType = NumberKey(kResourceTypeRawData);

bool CodePiece(const ByteVector& text, bool scramble, ByteVector* coded) {
    int keyPosition = 0; // both pieces start their pass at key position 0, as the loader reads them
    *coded = scramble ? LzwEncodeScrambled(text.data(), text.size(), keyPosition)
                      : LzwEncode(text.data(), text.size());
    return !text.empty() && !coded->empty();
}

void AddFile(const ByteVector& bytes, uint16_t id, bool reward, uint16_t language,
             std::vector<Resource>* resources) {
    if (bytes.empty()) return;
    if (IsPngData(bytes))
        SetResource(resources, kRawDataType, NumberKey(id), language, bytes);
    else
        SetResource(resources, kMediaType, NumberKey(id), language, reward ? SwapNibbles(bytes) : bytes);
}

void IgnoreMessage(void*, const char*, const char*, unsigned) {}

bool Decode(const ByteVector& coded, ByteVector* text) {
    uint8_t* bytes = nullptr;
    uint32_t reported = 0;
    const int32_t status = LzwDecoder::decode(coded.data(), coded.size(), &bytes, &reported,
                                              MessageTarget{IgnoreMessage, nullptr});
    const bool ok = status == LzwDecoder::kDecodeOk && bytes && reported >= 2;
    if (ok) text->assign(bytes, bytes + (reported - 2));
    std::free(bytes);
    return ok;
}

// Like the player: as it stands first, then descrambled once from key position 0.
bool DecodePiece(const Resource* piece, ByteVector* text, bool* scrambled) {
    if (!piece || piece->data.empty()) return false;
    *scrambled = false;
    if (Decode(piece->data, text)) return true;
    ByteVector copy = piece->data;
    int keyPosition = 0;
    XorWithScrambleKey(copy.data(), copy.size(), keyPosition);
    *scrambled = true;
    return Decode(copy, text);
}

// A picture, sound or film: IMG first (as the player looks), then RCDATA.
ByteVector FindFile(const std::vector<Resource>& resources, uint16_t id, bool reward) {
    if (const Resource* r = FindPeResource(resources, kMediaType, NumberKey(id)))
        return reward ? SwapNibbles(r->data) : r->data;
    if (const Resource* r = FindPeResource(resources, kRawDataType, NumberKey(id))) return r->data;
    return {};
}

} // namespace

bool IsPngData(const ByteVector& bytes) {
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    return bytes.size() >= 8 && std::memcmp(bytes.data(), kSignature, 8) == 0;
}

ByteVector SwapNibbles(ByteVector bytes) {
    for (uint8_t& b : bytes)
        b = static_cast<uint8_t>((b << 4) | (b >> 4));
    return bytes;
}

bool AddQuizResources(const QuizProject& project, bool scramble, uint16_t language,
                      std::vector<Resource>* resources, std::string* error) {
    const QuizContent& content = project.source.content;
    // One score line per possible score, so that every score finds its line (empty when not given).
    std::vector<std::string> scores = content.scoreMessages;
    scores.resize(content.questions.size());
    ByteVector quiz, codes;
    if (!CodePiece(SerialiseQuiz(content), scramble, &quiz))
        return *error = Say(Msg::QuizTextNotCoded), false;
    if (!CodePiece(SerialiseScoreMessages(scores), scramble, &codes))
        return *error = Say(Msg::ScoresNotCoded), false;
    SetResource(resources, kPatchType, NumberKey(kQuizResourceId), language, std::move(quiz));
    SetResource(resources, kPatchType, NumberKey(kScoreResourceId), language, std::move(codes));
    // A quiz whose answers have one spelling each carries no spellings piece: the same bytes as before.
    const ByteVector spellingsText = SerialiseExtraSpellings(content);
    if (!spellingsText.empty()) {
        ByteVector spellings;
        if (!CodePiece(spellingsText, scramble, &spellings))
            return *error = "the other spellings take too much room once coded: shorten or remove some",
                   false;
        SetResource(resources, kPatchType, NumberKey(kSpellingsResourceId), language, std::move(spellings));
    }
    for (size_t i = 0; i < content.questions.size(); ++i) {
        const uint16_t n = static_cast<uint16_t>(i + 1);
        if (i < project.media.size())
            AddFile(project.media[i], kFirstMediaId + n, false, language, resources);
        if (i < project.rewards.size())
            AddFile(project.rewards[i], kFirstRewardId + n, true, language, resources);
    }
    return true;
}

bool ReadQuizResources(const std::vector<Resource>& resources, UnpackedQuiz* quiz, std::string* error) {
    *quiz = UnpackedQuiz();
    const Resource* piece = FindPeResource(resources, kPatchType, NumberKey(kQuizResourceId));
    if (!piece) return *error = Say(Msg::NoQuizInside), false;
    ByteVector text;
    if (!DecodePiece(piece, &text, &quiz->scrambled)) return *error = Say(Msg::QuizDoesNotDecode), false;
    if (!ReadQuizText(text, &quiz->content, error)) return false;
    bool scoresScrambled = false;
    if (!DecodePiece(FindPeResource(resources, kPatchType, NumberKey(kScoreResourceId)), &text,
                     &scoresScrambled))
        return *error = Say(Msg::ScoresDoNotDecode), false;
    ReadScoreText(text, &quiz->content.scoreMessages);
    if (const Resource* spellings = FindPeResource(resources, kPatchType, NumberKey(kSpellingsResourceId))) {
        bool spellingsScrambled = false;
        if (!DecodePiece(spellings, &text, &spellingsScrambled) || !ReadSpellingsText(text, &quiz->content))
            return *error = "the other spellings (PATCH 106) do not decode", false;
    }
    const size_t count = quiz->content.questions.size();
    if (quiz->content.scoreMessages.size() > count) return *error = Say(Msg::MoreScoresThanQuestions), false;
    for (size_t i = 0; i < count; ++i) {
        const uint16_t n = static_cast<uint16_t>(i + 1);
        quiz->media.push_back(FindFile(resources, kFirstMediaId + n, false));
        quiz->rewards.push_back(FindFile(resources, kFirstRewardId + n, true));
    }
    return true;
}
