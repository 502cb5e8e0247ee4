// Runs the decoder and keeps what it handed out, for the tests.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include "quizdata/lzw_decoder.h"

struct RecordedMessage {
    std::string text;
    std::string caption;
    unsigned flags;
};

inline void RecordMessage(void* context, const char* text, const char* caption, unsigned flags) {
    static_cast<std::vector<RecordedMessage>*>(context)->push_back({text, caption, flags});
}

struct DecodeOutcome {
    int32_t status = 1;
    bool bufferSet = false;
    uint32_t reportedLength = 0xDEADBEEF;
    std::string text; // the reported length's worth of decoded bytes
    std::vector<RecordedMessage> messages;
};

inline DecodeOutcome Decode(const std::vector<uint8_t>& coded) {
    DecodeOutcome outcome;
    uint8_t* buffer = nullptr;
    outcome.status = LzwDecoder::decode(coded.data(), coded.size(), &buffer, &outcome.reportedLength,
                                        MessageTarget{RecordMessage, &outcome.messages});
    outcome.bufferSet = buffer != nullptr;
    if (buffer && outcome.reportedLength >= 2)
        outcome.text.assign(reinterpret_cast<char*>(buffer), outcome.reportedLength - 2);
    std::free(buffer);
    return outcome;
}
