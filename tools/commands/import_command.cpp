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
#include "tools/common/console.h"
#include "tools/common/file_access.h"
#include "tools/common/messages.h"
#include "tools/common/file_bytes.h"
#include "tools/import/csv_import.h"
#include "tools/import/gift_import.h"
#include "tools/import/quiz_import.h"
#include "tools/import/text_decoding.h"

namespace fs = std::filesystem;

namespace {

const char kArguments[] = "import FILE -o QUIZ.quiz [--force] [--split]";

bool Fail(const std::string& message) {
    PrintLine(stderr, "jorvo-maker import: " + message);
    return false;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The first bytes of a media file, enough to tell what it holds; empty when it cannot be read.
MediaKind SniffFile(const fs::path& path) {
    FILE* file = OpenFile(path.u8string(), "rb");
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
        const fs::path relative = dir.relative_path();  // iterators into a temporary would dangle
        return relative.empty() ? fs::path() : *relative.begin();
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
    if (sources.empty()) return Fail(Say(Msg::ImportNothing, {in}));

    const std::vector<std::string> names = OutputNames(out, sources.size());
    std::error_code same;
    if (fs::equivalent(fs::u8path(in), fs::u8path(out), same)) return Fail(Say(Msg::ImportSameFile, {out}));
    for (const std::string& name : names)
        if (!force && IsRegularFile(name)) return Fail(Say(Msg::ImportExists, {name}));
    for (size_t i = 0; i < sources.size(); ++i) {
        if (!WriteFileAtomically(names[i], ByteVector(sources[i].text.begin(), sources[i].text.end())))
            return Fail(Say(Msg::CannotWrite, {names[i]}));
        PrintLine(stdout, Say(Msg::ImportWrote,
                              {names[i], std::to_string(sources[i].questions),
                               std::to_string(sources[i].firstLine), std::to_string(sources[i].lastLine)}));
    }
    return true;
}

bool Import(const std::string& in, const std::string& out, bool force, bool split) {
    ByteVector bytes;
    if (!ReadFileBytes(in, &bytes)) return Fail(Say(Msg::CannotRead, {in}));
    std::string text, error;
    TextEncoding encoding;
    if (!DecodeImportedText(std::string(bytes.begin(), bytes.end()), &text, &encoding, &error))
        return Fail(in + ": " + error);

    const std::string extension = Lower(fs::u8path(in).extension().u8string());
    const bool gift =
        extension == ".gift" || (extension != ".csv" && extension != ".tsv" && LooksLikeGift(text));
    ImportedQuiz quiz;
    if (gift) {
        ImportGift(text, &quiz);
        PrintLine(stdout, Say(Msg::ImportReadAsGift, {in, DescribeTextEncoding(encoding)}));
    } else {
        CsvLayout layout;
        ImportCsv(text, &quiz, &layout);
        const std::string separator =
            layout.separator == '\t' ? Say(Msg::ImportTab) : "'" + std::string(1, layout.separator) + "'";
        PrintLine(stdout,
                  Say(Msg::ImportReadAsCsv,
                      {in, separator, Say(layout.header ? Msg::ImportHeaderRow : Msg::ImportNoHeaderRow),
                       DescribeTextEncoding(encoding)}));
    }
    MoveMediaPaths(fs::u8path(in), fs::u8path(out), &quiz);

    ImportSettings settings;
    settings.title = fs::u8path(in).stem().u8string();
    settings.heading = Say(Msg::ImportHeading, {fs::u8path(in).filename().u8string()});
    settings.split = split;
    const fs::path sourceDir = fs::u8path(out).parent_path();
    settings.mediaKind = [&](const std::string& file) { return SniffFile(sourceDir / fs::u8path(file)); };
    std::vector<ImportedSource> sources;
    std::vector<SourceMessage> notes = quiz.notes;
    const bool readable = BuildImportedSources(quiz, settings, &sources, &notes);
    std::stable_sort(notes.begin(), notes.end(),
                     [](const SourceMessage& a, const SourceMessage& b) { return a.line < b.line; });
    const bool written = readable ? WriteSources(in, out, sources, force) : Fail(Say(Msg::ImportUnreadable));
    std::fflush(stdout); // the notes come after what was written
    for (const SourceMessage& note : notes)
        PrintLine(stderr,
                  in + (note.line ? ":" + std::to_string(note.line) : std::string()) + ": " + note.text);
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
            return PrintLine(stderr, "jorvo-maker import: " + Say(Msg::ImportUnexpected, {argv[i]})),
                   PrintLine(stderr, Say(Msg::UsageOf, {kArguments})), 2;
    }
    if (in.empty() || out.empty()) return PrintLine(stderr, Say(Msg::UsageOf, {kArguments})), 2;
    return Import(in, out, force, split) ? 0 : 1;
}
