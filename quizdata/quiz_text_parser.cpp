#include "quizdata/quiz_text_parser.h"

#include <algorithm>
#include <cstring>

#include "quizdata/gdi_port.h"

namespace {

constexpr uint8_t kFieldEnd = '|';
constexpr uint8_t kLineEnd = '\r';

struct TextReader {
    const uint8_t* text;
    size_t length;
    size_t position;

    bool readByte(uint8_t* value) {
        if (position >= length) return false;
        *value = text[position++];
        return true;
    }

    void skip(size_t count) { position = count < length - position ? position + count : length; }

    // The bytes up to the next '|' (or the end), cut to capacity - 1, NUL-terminated. Past the end of the
    // text there is no field, and the destination keeps what it held.
    void readField(char* destination, size_t capacity) {
        if (position < length) readUntil(kFieldEnd, 0, destination, capacity);
    }

    // The bytes up to the next CR (or the end); the byte after the CR is skipped unread.
    void readLine(char* destination, size_t capacity) {
        if (position < length) readUntil(kLineEnd, 1, destination, capacity);
    }

  private:
    void readUntil(uint8_t end, size_t skipAfterEnd, char* destination, size_t capacity) {
        const size_t start = position;
        while (position < length && text[position] != end)
            ++position;
        const size_t count = std::min(position - start, capacity - 1);
        std::memcpy(destination, text + start, count);
        destination[count] = '\0';
        if (position < length) skip(1 + skipAfterEnd);
    }
};

bool HasRevealSection(uint8_t mode) {
    return mode == 1 || mode == 2 || mode == 4;
}
bool HasRevealPairs(uint8_t mode) {
    return mode == 3 || mode == 6;
}

} // namespace

void SetBackgroundColour(QuizDocument* document, uint8_t red, uint8_t green, uint8_t blue) {
    BrushHandle replaced = document->backgroundBrush;
    document->backgroundColour[0] = red;
    document->backgroundColour[1] = blue;
    document->backgroundColour[2] = green;
    document->backgroundBrush = PortCreateSolidBrush(MakeRgb(red, green, blue));
    PortDeleteObject(replaced);
}

void ParseBuiltInBlockText(QuizDocument* document, const uint8_t* text, size_t length) {
    TextReader reader = {text, length, 0};
    reader.skip(2);
    reader.readField(document->linkText, sizeof document->linkText);
    reader.readField(document->footerText, sizeof document->footerText);
}

void ParseQuizText(QuizDocument* document, const uint8_t* text, size_t length) {
    TextReader reader = {text, length, 0};
    reader.skip(1);
    uint8_t kind = 0, count = 0, answers = 0;
    if (reader.readByte(&kind)) document->quizKind = static_cast<int32_t>(kind) - 1;
    // Up to 96 questions are kept, but every group in the text is read, so that what follows them is
    // found where it stands.
    int groups = document->questionCount;
    if (reader.readByte(&count)) {
        groups = count;
        document->questionCount = std::min<int>(count, kMaxQuestions);
    }
    // Every group that is not a two-answer group is a one-answer group, and the document says so: the
    // panels build exactly this many fields per question.
    bool twoAnswers = document->answersPerQuestion == 2;
    if (reader.readByte(&answers)) {
        twoAnswers = answers == 2;
        document->answersPerQuestion = twoAnswers ? 2 : 1;
    }
    reader.readField(document->title, kTextSize);
    reader.readField(document->author, kTextSize);
    reader.readField(document->explanation, kTextSize);
    reader.readField(document->answerLabel1, kTextSize);
    reader.readField(document->answerLabel2, kTextSize);

    char answer1[kTextSize], answer2[kTextSize], question[kTextSize];
    for (int i = 0; i < groups; ++i) {
        answer1[0] = answer2[0] = question[0] = '\0';
        reader.readField(answer1, kTextSize);
        if (twoAnswers) reader.readField(answer2, kTextSize);
        reader.readField(question, kTextSize);
        if (i < kMaxQuestions) document->addQuestion(answer1, answer2, question);
    }

    uint8_t mode = 0;
    if (!reader.readByte(&mode)) return;
    document->revealMode = mode;
    if (HasRevealSection(mode) || HasRevealPairs(mode)) {
        char ignored[kTextSize];
        for (int i = 0; i < groups; ++i) {
            QuestionRecord* record = i < kMaxQuestions ? document->questionAt(i) : nullptr;
            reader.readField(record ? record->revealText : ignored, kTextSize);
            if (HasRevealPairs(mode)) reader.readField(ignored, kTextSize);
        }
    }

    uint8_t red = 0, green = 0, blue = 0;
    if (reader.readByte(&red) && reader.readByte(&green) && reader.readByte(&blue))
        SetBackgroundColour(document, red, green, blue);
}

void ParseScoreText(QuizDocument* document, const uint8_t* text, size_t length) {
    TextReader reader = {text, length, 0};
    const int lines = std::clamp(document->questionCount, 0, kMaxQuestions);
    for (int k = 0; k < lines; ++k)
        reader.readLine(document->scoreMessages[k], kTextSize);
}
