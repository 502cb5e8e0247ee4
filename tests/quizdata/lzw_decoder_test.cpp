// The decoder on streams built code by code: every result code, the KwKwK case, widening, resets, the
// limits of the format, and what the handed-out buffer holds each time.
#include <gtest/gtest.h>

#include <cstring>

#include "quizdata/lzw_format.h"
#include "tests/quizdata/decode_helpers.h"
#include "tests/quizdata/stream_builder.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct StreamCase {
    const char* fault;
    Bytes coded;
    int32_t status;
    std::string text;
};

Bytes PadTo(Bytes bytes, size_t size) {
    bytes.resize(size, 0xAB);
    return bytes;
}

// 'a' followed by `count` literal codes: every one creates a dictionary entry.
StreamBuilder Literals(int count) {
    StreamBuilder stream;
    stream.code('a');
    for (int i = 0; i < count; ++i)
        stream.code('a');
    return stream;
}

TEST(LzwDecoderTest, StreamsGiveTheirResultAndText) {
    const StreamCase cases[] = {
        {"empty input is not a stream", {}, -5, ""},
        {"one byte cannot hold the 9-bit first code", {0x20}, -5, ""},
        {"literal then end", StreamBuilder().code('A').end().finish(), 0, "A"},
        {"first code keeps only its low byte", StreamBuilder().raw(256 + 'Q').end().finish(), 0, "Q"},
        {"KwKwK: a code equal to the next free code", StreamBuilder().code('x').code(259).end().finish(), 0,
         "xxx"},
        {"entries are pending plus the next string's first byte",
         StreamBuilder().code('a').code('b').code(259).code(260).end().finish(), 0, "ababba"},
        {"code above the next free code keeps what came before",
         StreamBuilder().code('a').code('b').code(300).end().finish(), -7, "a"},
        {"input ending before the end code keeps what came before",
         StreamBuilder().code('a').code('b').finish(), -7, "a"},
        {"widening makes later codes one bit wider",
         StreamBuilder().code('a').widen().code('b').code(259).end().finish(), 0, "abab"},
        {"reset brings the width back to 9",
         StreamBuilder().code('a').widen().code('b').reset().code('c').end().finish(), 0, "abc"},
        {"after a reset the first entry is 259, from the string pending before it",
         StreamBuilder().code('a').code('b').reset().code('c').code(259).end().finish(), 0, "abcbc"},
        {"after a reset the old entries above the next free code are refused",
         StreamBuilder().code('a').code('b').code('c').reset().code(260).end().finish(), -7, "ab"},
        {"bytes after the end code are ignored", PadTo(StreamBuilder().code('Z').end().finish(), 40), 0, "Z"},
        {"code width passing 32 stops the stream",
         [] {
             StreamBuilder stream;
             stream.code('a');
             while (stream.width <= 32)
                 stream.widen();
             stream.code('b').end();
             return stream.finish();
         }(),
         -7, ""},
        {"input above 32768 bytes is refused",
         PadTo(StreamBuilder().code('Z').end().finish(), kLzwMaxCodedSize + 1), -7, ""},
        {"input of exactly 32768 bytes is taken",
         PadTo(StreamBuilder().code('Z').end().finish(), kLzwMaxCodedSize), 0, "Z"},
        {"the dictionary may fill up to entry 4095", Literals(3836).end().finish(), 0,
         std::string(3837, 'a')},
        {"a data code after entry 4095 without a reset is refused", Literals(3838).end().finish(), -7,
         std::string(3837, 'a')},
        {"a reset lets the stream go on past a full dictionary",
         Literals(3837).reset().code('a').end().finish(), 0, std::string(3839, 'a')},
    };
    for (const StreamCase& c : cases) {
        SCOPED_TRACE(c.fault);
        const DecodeOutcome outcome = Decode(c.coded);
        EXPECT_EQ(outcome.status, c.status);
        ASSERT_TRUE(outcome.bufferSet);
        EXPECT_EQ(outcome.reportedLength, c.text.size() + 2);
        EXPECT_EQ(outcome.text, c.text);
        EXPECT_TRUE(outcome.messages.empty());
    }
}

TEST(LzwDecoderTest, TextAbove120000BytesStopsWithOutOfMemoryAndKeepsTheBufferFull) {
    // Every KwKwK code makes the pending string one byte longer, so the text grows quadratically.
    StreamBuilder stream;
    stream.code('a');
    for (uint32_t code = 259; code < 1000; ++code)
        stream.code(code);
    stream.end();
    const DecodeOutcome outcome = Decode(stream.finish());
    EXPECT_EQ(outcome.status, -4);
    ASSERT_TRUE(outcome.bufferSet);
    ASSERT_LE(outcome.text.size(), kLzwMaxDecodedSize);
    EXPECT_GT(outcome.text.size(), kLzwMaxDecodedSize - 1000);
    EXPECT_EQ(outcome.text, std::string(outcome.text.size(), 'a'));
    EXPECT_TRUE(outcome.messages.empty()); // only a failed result buffer is told to the player
}

// Fails the allocation of the given size (once `countdown` allocations of that size have passed).
size_t failingSize = 0;
int countdown = 0;
void* FailingAllocate(size_t size) {
    if (size == failingSize && countdown-- == 0) return nullptr;
    return std::malloc(size);
}

struct AllocationCase {
    const char* fault;
    size_t size;
    int skip;
    int32_t status;
    bool bufferSet;
    bool message;
    std::string text;
};

TEST(LzwDecoderTest, FailedAllocationsAreToldAndLoseNothing) {
    const AllocationCase cases[] = {
        {"dictionary table", kLzwTableSize * sizeof(void*) * 2, 0, -4, false, false, ""},
        {"string buffer", kLzwMaxStringSize, 1, -4, false, false, ""},
        {"result buffer", kLzwMaxDecodedSize, 0, -4, false, true, ""},
        {"third new dictionary entry", 2, 2, -4, true, false, "ab"},
    };
    const Bytes coded = StreamBuilder().code('a').code('b').code('c').code('d').end().finish();
    for (const AllocationCase& c : cases) {
        SCOPED_TRACE(c.fault);
        failingSize = c.size;
        countdown = c.skip;
        lzwAllocateHook = FailingAllocate;
        const DecodeOutcome outcome = Decode(coded);
        lzwAllocateHook = nullptr;
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.bufferSet, c.bufferSet);
        if (c.bufferSet) {
            EXPECT_EQ(outcome.text, c.text);
        } else {
            EXPECT_EQ(outcome.reportedLength, 0xDEADBEEFu); // left untouched
        }
        ASSERT_EQ(outcome.messages.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(outcome.messages[0].text, "Impossible d'allouer la memoire");
            EXPECT_EQ(outcome.messages[0].caption, "information");
            EXPECT_EQ(outcome.messages[0].flags, 0u);
        }
    }
}

} // namespace
