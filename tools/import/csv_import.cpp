#include "tools/common/messages.h"
#include "tools/import/csv_import.h"

#include "tools/common/cp1252.h"
#include "tools/import/csv_reader.h"
#include "tools/source/answer_spellings.h"

namespace {

enum Column { kQuestion, kAnswer, kAnswer2, kReveal, kMedia, kReward, kColumns };

// Header words, folded as CsvColumnNamed folds a cell, with the column each names.
const struct {
    const char* word;
    Column column;
} kHeaderWords[] = {
    {"question", kQuestion}, {"questions", kQuestion}, {"reponse", kAnswer},    {"reponse1", kAnswer},
    {"answer", kAnswer},     {"answer1", kAnswer},     {"reponses", kAnswer},   {"answers", kAnswer},
    {"reponse2", kAnswer2},  {"answer2", kAnswer2},    {"revelation", kReveal}, {"reveal", kReveal},
    {"image", kMedia},       {"son", kMedia},          {"film", kMedia},        {"media", kMedia},
    {"picture", kMedia},     {"sound", kMedia},        {"video", kMedia},       {"recompense", kReward},
    {"reward", kReward},
};

// Lower case without accents, spaces, '-' or '_': "Réponse 2" and "reponse_2" read alike.
std::string FoldHeader(const std::string& cell) {
    // Windows-1252 letters 0xC0..0xFF without their accents.
    static const char kBare[] = "aaaaaaaceeeeiiiidnooooo*ouuuuyts"
                                "aaaaaaaceeeeiiiidnooooo/ouuuuyty";
    std::string cp1252, problem;
    if (!Utf8ToCp1252(cell, &cp1252, &problem)) return "";
    std::string folded;
    for (char c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == ' ' || c == '-' || c == '_' || c == '\t') continue;
        if (byte >= 0xC0)
            folded.push_back(kBare[byte - 0xC0]);
        else if (c >= 'A' && c <= 'Z')
            folded.push_back(static_cast<char>(c - 'A' + 'a'));
        else
            folded.push_back(c);
    }
    return folded;
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

int CountKnownNames(const std::vector<std::string>& cells) {
    int known = 0;
    for (const std::string& cell : cells)
        known += CsvColumnNamed(cell) >= 0;
    return known;
}

// Which cell feeds each column (-1: none); notes every header cell left unused.
void ReadHeader(const CsvRecord& header, int (&cellOf)[kColumns], ImportedQuiz* quiz) {
    for (size_t i = 0; i < header.cells.size(); ++i) {
        const std::string name = Trim(header.cells[i]);
        const int column = CsvColumnNamed(name);
        const std::string number = std::to_string(i + 1);
        if (column < 0) {
            if (!name.empty())
                quiz->notes.push_back({header.line, Say(Msg::ImportColumnLeftOut, {number, name})});
        } else if (cellOf[column] >= 0) {
            quiz->notes.push_back({header.line, Say(Msg::ImportColumnTwice,
                                                    {number, name, std::to_string(cellOf[column] + 1)})});
        } else {
            cellOf[column] = static_cast<int>(i);
        }
    }
}

} // namespace

int CsvColumnNamed(const std::string& cell) {
    const std::string folded = FoldHeader(Trim(cell));
    for (const auto& word : kHeaderWords)
        if (folded == word.word) return word.column;
    return -1;
}

std::vector<std::string> SplitCellSpellings(const std::string& cell) {
    std::vector<std::string> spellings;
    for (const std::string& piece : SplitSpellings(cell)) // the quiz source's own rule
        if (!Trim(piece).empty()) spellings.push_back(Trim(piece));
    return spellings;
}

void ImportCsv(const std::string& utf8, ImportedQuiz* quiz, CsvLayout* layout) {
    layout->separator = FindCsvSeparator(utf8, CountKnownNames);
    std::vector<CsvRecord> records;
    SplitCsv(utf8, layout->separator, &records, &quiz->notes);
    if (records.empty()) return;

    int cellOf[kColumns] = {0, 1, 2, -1, -1, -1};
    size_t first = 0;
    const CsvRecord& top = records[0];
    layout->header =
        CountKnownNames(top.cells) >= 2 || (!top.cells.empty() && CsvColumnNamed(top.cells[0]) == kQuestion);
    if (layout->header) {
        for (int& cell : cellOf)
            cell = -1;
        ReadHeader(top, cellOf, quiz);
        first = 1;
        for (int column : {kQuestion, kAnswer})
            if (cellOf[column] < 0) {
                quiz->notes.push_back({top.line, Say(column == kQuestion ? Msg::ImportNoQuestionColumn
                                                                         : Msg::ImportNoAnswerColumn)});
                return;
            }
    }
    size_t used = 0; // cells a row may fill: the highest column's cell, plus one
    for (int cell : cellOf)
        if (cell >= 0 && static_cast<size_t>(cell) + 1 > used) used = static_cast<size_t>(cell) + 1;

    bool extraNoted = false;
    for (size_t r = first; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        const auto cell = [&](Column column) {
            const int at = cellOf[column];
            return at >= 0 && static_cast<size_t>(at) < record.cells.size() ? Trim(record.cells[at])
                                                                            : std::string();
        };
        ImportedQuestion question;
        question.line = record.line;
        question.text = cell(kQuestion);
        question.answer = SplitCellSpellings(cell(kAnswer));
        question.answer2 = SplitCellSpellings(cell(kAnswer2));
        question.reveal = cell(kReveal);
        question.media = cell(kMedia);
        question.reward = cell(kReward);
        quiz->questions.push_back(question);
        if (layout->header || extraNoted) continue;
        for (size_t i = used; i < record.cells.size(); ++i)
            if (!Trim(record.cells[i]).empty()) {
                quiz->notes.push_back({record.line, Say(Msg::ImportExtraColumns, {std::to_string(i + 1)})});
                extraNoted = true;
                break;
            }
    }
}
