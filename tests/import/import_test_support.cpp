#include "tests/import/import_test_support.h"

#include <gtest/gtest.h>

#include "tools/common/file_bytes.h"
#include "tools/common/messages.h"
#include "tools/import/csv_import.h"
#include "tools/import/gift_import.h"
#include "tools/import/text_decoding.h"

ImportResult ImportBytes(const std::string& bytes, bool gift, bool split) {
    SetMessageLanguage(Language::English); // the notes the tests look for are the English ones
    ImportResult result;
    std::string text, error;
    TextEncoding encoding;
    EXPECT_TRUE(DecodeImportedText(bytes, &text, &encoding, &error)) << error;
    ImportedQuiz quiz;
    if (gift) {
        ImportGift(text, &quiz);
    } else {
        CsvLayout layout;
        ImportCsv(text, &quiz, &layout);
        result.separator = layout.separator;
        result.header = layout.header;
    }
    ImportSettings settings;
    settings.title = "sample";
    settings.split = split;
    result.notes = quiz.notes;
    BuildImportedSources(quiz, settings, &result.sources, &result.notes);
    for (const ImportedSource& source : result.sources) {
        QuizSource read;
        std::vector<SourceMessage> errors, warnings;
        EXPECT_TRUE(ParseQuizSource(source.text, &read, &errors, &warnings)) << source.text;
        result.read.push_back(read);
    }
    return result;
}

std::string ReadTestFile(const std::string& name) {
    ByteVector bytes;
    EXPECT_TRUE(ReadFileBytes(std::string(JORVO_IMPORT_DATA) + "/" + name, &bytes)) << name;
    return std::string(bytes.begin(), bytes.end());
}

bool HasNote(const ImportResult& result, int line, const std::string& text) {
    for (const SourceMessage& note : result.notes)
        if (note.line == line && note.text.find(text) != std::string::npos) return true;
    return false;
}

std::string AllNotes(const ImportResult& result) {
    std::string all;
    for (const SourceMessage& note : result.notes)
        all += FormatSourceMessage(note) + "\n";
    return all;
}
