// Arbitrary bytes as an accepted and a typed answer (split at the first zero byte), and as a saved
// answers file: nothing may read past a buffer, and the verdict must agree with its own properties.
// The accepted part, cut at its 0x01 bytes, is also a list of up to 8 spellings: their verdict must be
// the best of the single verdicts.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "judging/text_ops.h"
#include "judging/verdict.h"
#include "tests/judging/best_verdict_oracle.h"
#include "tests/judging/edit_distance_oracle.h"

namespace {

void CopyBounded(char* destination, const std::string& source) {
    const size_t length = source.size() < size_t(kMaxTextLength) ? source.size() : size_t(kMaxTextLength);
    std::memcpy(destination, source.data(), length);
    destination[length] = '\0';
}

void ReadEveryLine(const uint8_t* data, size_t size) {
    // Exactly as big as the data and without terminator, as the answers file is read.
    const std::vector<char> file(data, data + size);
    const auto fileSize = static_cast<int32_t>(file.size());
    char line[kMaxAnswerLength + 1];
    int32_t position = 0;
    while (position <= fileSize) {
        const int32_t before = position;
        ReadLine(file.data(), fileSize, &position, line);
        if (position <= before || std::strlen(line) > size_t(kMaxAnswerLength)) __builtin_trap();
    }
}

void JudgeAmongSpellings(const std::string& accepted, const std::string& typed) {
    std::vector<std::string> spellings(1);
    for (char c : accepted) {
        if (c != '\x01')
            spellings.back() += c;
        else if (spellings.size() < 8)
            spellings.emplace_back();
    }
    std::vector<const char*> texts;
    for (const std::string& spelling : spellings)
        texts.push_back(spelling.c_str());
    const int count = static_cast<int>(texts.size());
    const char* verdict = DecideVerdictAmong(texts.data(), count, typed.c_str());
    if (BestSingleVerdict(spellings, typed.c_str()) != verdict) __builtin_trap();
    if (IsRightAmong(texts.data(), count, typed.c_str()) != (std::strcmp(verdict, kVerdictRight) == 0))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;
    ReadEveryLine(data, size);

    const auto* split = static_cast<const uint8_t*>(std::memchr(data, 0, size));
    const std::string accepted(data, split ? split : data + size);
    const std::string typed(split ? split + 1 : data + size, data + size); // may hold zero bytes: cut there

    const char* verdict = DecideVerdict(accepted.c_str(), typed.c_str());
    if (IsRightAnswer(accepted.c_str(), typed.c_str()) != (std::strcmp(verdict, kVerdictRight) == 0))
        __builtin_trap();

    // The bit-parallel distance, both ways round, against the plain table.
    const int32_t distance = EditDistanceByTable(accepted.c_str(), typed.c_str());
    if (distance != EditDistance(accepted.c_str(), typed.c_str()) ||
        distance != EditDistance(typed.c_str(), accepted.c_str()))
        __builtin_trap();

    // What the forward scan finds is really there; it may only miss.
    char first[kTextSize], second[kTextSize];
    CopyBounded(first, accepted);
    CopyBounded(second, typed.c_str());
    const int32_t found = FindInLonger(first, second);
    if ((found == 2 || found == -2) && !std::strstr(second, first)) __builtin_trap();
    if (std::strlen(first) > std::strlen(second)) __builtin_trap();

    if (CountWords(second) < 1) __builtin_trap();

    JudgeAmongSpellings(accepted, typed.c_str());
    return 0;
}
