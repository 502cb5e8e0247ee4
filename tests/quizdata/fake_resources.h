// The loader's access to its pieces, held in memory for native tests and the fuzzer.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "quizdata/quiz_coding.h"
#include "quizdata/quiz_loader.h"
#include "tests/quizdata/decode_helpers.h"

struct FakeResources {
    ByteVector block;
    std::map<int, ByteVector> pieces; // an absent id is a missing resource
    std::vector<int> found;
    std::vector<int> released;
    std::vector<RecordedMessage> messages;
};

inline void FakeFindPiece(void* context, int id, const uint8_t** bytes, size_t* size) {
    auto* resources = static_cast<FakeResources*>(context);
    resources->found.push_back(id);
    auto piece = resources->pieces.find(id);
    *bytes = piece == resources->pieces.end() ? nullptr : piece->second.data();
    *size = piece == resources->pieces.end() ? 0 : piece->second.size();
}

inline void FakeReleasePiece(void* context, int id) {
    static_cast<FakeResources*>(context)->released.push_back(id);
}

inline void FakeShowMessage(void* context, const char* text, const char* caption, unsigned flags) {
    static_cast<FakeResources*>(context)->messages.push_back({text, caption, flags});
}

inline QuizResourceAccess FakeAccess(FakeResources& resources) {
    return {&resources,    resources.block.data(), resources.block.size(),
            FakeFindPiece, FakeReleasePiece,       FakeShowMessage};
}
