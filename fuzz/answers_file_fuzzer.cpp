// Arbitrary bytes as a saved answers file, read back as a restarted quiz reads it: up to 192 fields (96
// questions of two answers), each line cut to what a field holds, and each judged against an accepted
// answer. Nothing may read past the file (it has no terminator), a line never exceeds 55 characters,
// and the reading always moves on.
#include <cstdint>
#include <cstring>
#include <vector>

#include "judging/text_ops.h"
#include "judging/verdict.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 1 << 20) return 0;
    const std::vector<char> file(data, data + size); // exactly the file's bytes, as mapped
    const auto fileSize = static_cast<int32_t>(file.size());
    static const char* const kAccepted[] = {"Paris", "Jean de la Fontaine", "-", "A"};
    int32_t position = 0;
    for (int field = 0; field < 2 * kMaxQuestions; ++field) {
        char line[kMaxAnswerLength + 1];
        const int32_t before = position;
        ReadLine(file.data(), fileSize, &position, line);
        const size_t length = std::strlen(line);
        if (length > size_t(kMaxAnswerLength) || std::memchr(line, '\r', length)) __builtin_trap();
        if (before < fileSize && position <= before) __builtin_trap();
        const char* verdict = DecideVerdict(kAccepted[field % 4], line);
        if (!verdict || !*verdict) __builtin_trap();
    }
    return 0;
}
