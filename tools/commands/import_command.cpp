// jorvo-maker import FILE -o QUIZ.quiz [--force] [--split]
// Writes a quiz source from a spreadsheet's CSV or tab-separated text, or from Moodle's GIFT, and names
// with its line everything of the file that the quiz does not carry over.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/common/atomic_write.h"
#include "tools/common/file_bytes.h"
#include "tools/import/csv_import.h"
#include "tools/import/gift_import.h"
#include "tools/import/quiz_import.h"
#include "tools/import/text_decoding.h"

namespace fs = std::filesystem;

namespace {

const char kUsage[] = "usage: jorvo-maker import FILE -o QUIZ.quiz [--force] [--split]\n";

bool Fail(const std::string& message) {
    std::fprintf(stderr, "jorvo-maker import: %s\n", message.c_str());
    return false;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The first bytes of a media file, enough to tell what it holds; empty when it cannot be read.
MediaKind SniffFile(const fs::path& path) {
    FILE* file = std::fopen(path.u8string().c_str(), "rb");
    if (!file) return MediaKind::Unknown;
    ByteVector head(65536);
    head.resize(std::fread(head.data(), 1, head.size(), file));
    std::fclose(file);
    return SniffMediaFormat(head).kind;
}

// Media files are named relative to the imported file; the source names them relative to itself.
void MoveMediaPaths(const fs::path& from, const fs::path& to, ImportedQuiz* quiz) {
    std::error_code error;
    const fs::path fromDir = fs::absolute(from, error).parent_path().lexically_normal();
    const fs::path toDir = fs::absolute(to, error).parent_path().lexically_normal();
    if (error || fromDir == toDir) return;
    const auto top = [](const fs::path& dir) {
        auto part = dir.relative_path().begin();
        return part == dir.relative_path().end() ? fs::path() : *part;
    };
    const bool sharesTop = top(fromDir) == top(toDir) && fromDir.root_name() == toDir.root_name();
    for (ImportedQuestion& q : quiz->questions)
        for (std::string* file : {&q.media, &q.reward}) {
            if (file->empty() || fs::u8path(*file).is_absolute()) continue;
            const fs::path whole = (fromDir / fs::u8path(*file)).lexically_normal();
            const fs::path moved = whole.lexically_relative(toDir);
            // Folders that share nothing but the root are better named from it.
            *file = (moved.empty() || !sharesTop ? whole : moved).generic_u8string();
        }
}

// QUIZ.quiz, or QUIZ-1.quiz, QUIZ-2.quiz, ... for several sources.
std::vector<std::string> OutputNames(const std::string& out, size_t count) {
    if (count == 1) return {out};
    const fs::path path = fs::u8path(out);
    std::vector<std::string> names;
    for (size_t i = 1; i <= count; ++i) {
        fs::path name = path;
        name.replace_filename(
            fs::u8path(path.stem().u8string() + "-" + std::to_string(i) + path.extension().u8string()));
        names.push_back(name.u8string());
    }
    return names;
}

// Every source, or none when one of them may not be written.
bool WriteSources(const std::string& in, const std::string& out, const std::vector<ImportedSource>& sources,
                  bool force) {
    if (sources.empty()) return Fail("no question of " + in + " could be carried over: nothing was written");

    const std::vector<std::string> names = OutputNames(out, sources.size());
    std::error_code same;
    if (fs::equivalent(fs::u8path(in), fs::u8path(out), same))
        return Fail(out + " is the file being imported");
    for (const std::string& name : names)
        if (!force && fs::exists(fs::u8path(name)))
            return Fail(name + " exists: nothing was written (--force writes over it)");
    for (size_t i = 0; i < sources.size(); ++i) {
        if (!WriteFileAtomically(names[i], ByteVector(sources[i].text.begin(), sources[i].text.end())))
            return Fail("cannot write " + names[i]);
        std::printf("%s: %zu questions, from lines %d to %d\n", names[i].c_str(), sources[i].questions,
                    sources[i].firstLine, sources[i].lastLine);
    }
    return true;
}

bool Import(const std::string& in, const std::string& out, bool force, bool split) {
    ByteVector bytes;
    if (!ReadFileBytes(in, &bytes)) return Fail("cannot read " + in);
    std::string text, error;
    TextEncoding encoding;
    if (!DecodeImportedText(std::string(bytes.begin(), bytes.end()), &text, &encoding, &error))
        return Fail(in + ": " + error);

    const std::string extension = Lower(fs::u8path(in).extension().u8string());
    const bool gift =
        extension == ".gift" || (extension != ".csv" && extension != ".tsv" && LooksLikeGift(text));
    ImportedQuiz quiz;
    std::string format;
    if (gift) {
        ImportGift(text, &quiz);
        format = "GIFT";
    } else {
        CsvLayout layout;
        ImportCsv(text, &quiz, &layout);
        format = std::string("CSV, separator ") +
                 (layout.separator == '\t' ? "tab" : "'" + std::string(1, layout.separator) + "'") +
                 (layout.header ? ", header row" : ", no header row");
    }
    std::printf("%s: %s, %s\n", in.c_str(), format.c_str(), DescribeTextEncoding(encoding));
    MoveMediaPaths(fs::u8path(in), fs::u8path(out), &quiz);

    ImportSettings settings;
    settings.title = fs::u8path(in).stem().u8string();
    settings.heading = "Imported from " + fs::u8path(in).filename().u8string() + " by jorvo-maker import.";
    settings.split = split;
    const fs::path sourceDir = fs::u8path(out).parent_path();
    settings.mediaKind = [&](const std::string& file) { return SniffFile(sourceDir / fs::u8path(file)); };
    std::vector<ImportedSource> sources;
    std::vector<SourceMessage> notes = quiz.notes;
    const bool readable = BuildImportedSources(quiz, settings, &sources, &notes);
    std::stable_sort(notes.begin(), notes.end(),
                     [](const SourceMessage& a, const SourceMessage& b) { return a.line < b.line; });
    const bool written = readable ? WriteSources(in, out, sources, force)
                                  : Fail("a written source would not read back: nothing was written");
    std::fflush(stdout); // the notes come after what was written
    for (const SourceMessage& note : notes)
        std::fprintf(stderr, "%s%s%s: %s\n", in.c_str(), note.line ? ":" : "",
                     note.line ? std::to_string(note.line).c_str() : "", note.text.c_str());
    return written;
}

} // namespace

int RunImportCommand(int argc, char** argv) {
    std::string in, out;
    bool force = false, split = false;
    for (int i = 0; i < argc; ++i) {
        if (!std::strcmp(argv[i], "-o") && i + 1 < argc)
            out = argv[++i];
        else if (!std::strcmp(argv[i], "--force"))
            force = true;
        else if (!std::strcmp(argv[i], "--split"))
            split = true;
        else if (in.empty() && argv[i][0] != '-')
            in = argv[i];
        else
            return std::fprintf(stderr, "jorvo-maker import: unexpected argument '%s'\n%s", argv[i], kUsage),
                   2;
    }
    if (in.empty() || out.empty()) return std::fprintf(stderr, "%s", kUsage), 2;
    return Import(in, out, force, split) ? 0 : 1;
}
