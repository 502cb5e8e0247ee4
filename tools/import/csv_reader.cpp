#include "tools/common/messages.h"
#include "tools/import/csv_reader.h"

#include <map>

namespace {

constexpr size_t kRecordsForSeparator = 20; // enough to tell a separator, short for a large file

bool AllEmpty(const std::vector<std::string>& cells) {
    for (const std::string& cell : cells)
        if (!cell.empty()) return false;
    return true;
}

// Reads the records of `text`, at most `most` of them.
void ReadRecords(const std::string& text, char separator, size_t most, std::vector<CsvRecord>* records,
                 std::vector<SourceMessage>* problems) {
    size_t at = 0;
    int line = 1;
    const size_t size = text.size();
    while (at < size && records->size() < most) {
        CsvRecord record;
        record.line = line;
        std::string cell;
        bool endOfRecord = false;
        while (!endOfRecord) {
            if (at < size && text[at] == '"') {
                const int opened = line;
                ++at;
                bool closed = false;
                while (at < size) {
                    const char c = text[at++];
                    if (c == '"') {
                        if (at < size && text[at] == '"') {
                            cell.push_back('"');
                            ++at;
                            continue;
                        }
                        closed = true;
                        break;
                    }
                    if (c == '\n' || (c == '\r' && (at == size || text[at] != '\n'))) ++line;
                    cell.push_back(c);
                }
                if (!closed && problems) problems->push_back({opened, Say(Msg::ImportQuoteOpen)});
            }
            // Unquoted text, or what follows a closing quote, runs to the separator or the line's end.
            while (at < size && text[at] != separator && text[at] != '\n' && text[at] != '\r')
                cell.push_back(text[at++]);
            record.cells.push_back(cell);
            cell.clear();
            if (at < size && text[at] == separator) {
                ++at;
                continue;
            }
            endOfRecord = true;
            if (at < size && text[at] == '\r') {
                ++at;
                if (at < size && text[at] == '\n') ++at;
            } else if (at < size && text[at] == '\n') {
                ++at;
            }
            ++line;
        }
        if (!AllEmpty(record.cells)) records->push_back(record);
    }
}

} // namespace

void SplitCsv(const std::string& text, char separator, std::vector<CsvRecord>* records,
              std::vector<SourceMessage>* problems) {
    records->clear();
    ReadRecords(text, separator, static_cast<size_t>(-1), records, problems);
}

char FindCsvSeparator(const std::string& text, int (*recognised)(const std::vector<std::string>& cells)) {
    static const char kCandidates[] = {';', '\t', ','};
    char best = ';';
    long bestScore = -1;
    for (char separator : kCandidates) {
        std::vector<CsvRecord> records;
        ReadRecords(text, separator, kRecordsForSeparator, &records, nullptr);
        // The cell count most records share, and how many share it.
        std::map<size_t, size_t> counts;
        for (const CsvRecord& record : records)
            ++counts[record.cells.size()];
        size_t width = 0, sharing = 0;
        for (const auto& count : counts)
            if (count.second > sharing || (count.second == sharing && count.first > width))
                width = count.first, sharing = count.second;
        if (width < 2) continue;
        const long header = records.empty() ? 0 : recognised(records[0].cells);
        const long score = header * 1000 + static_cast<long>(sharing);
        if (score > bestScore) best = separator, bestScore = score;
    }
    return best;
}
