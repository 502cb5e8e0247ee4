#include "tools/studio/studio_document.h"

#include <sstream>
#include <utility>

#include "judging/text_ops.h"
#include "quizdata/quiz_document.h"
#include "tools/common/cp1252.h"
#include "tools/source/quiz_source_writer.h"

namespace {

bool IsSlash(char c) {
    return c == '/' || c == '\\';
}

bool IsAbsolute(const std::string& path) {
    return !path.empty() && (IsSlash(path[0]) || (path.size() > 1 && path[1] == ':'));
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Folder names compare without regard to ASCII case and slash kind, as Windows compares them.
bool SamePathStart(const std::string& path, const std::string& folder) {
    if (path.size() < folder.size()) return false;
    for (size_t i = 0; i < folder.size(); ++i) {
        const char a = path[i], b = folder[i];
        if (IsSlash(a) && IsSlash(b)) continue;
        const char lowerA = a >= 'A' && a <= 'Z' ? static_cast<char>(a + 32) : a;
        const char lowerB = b >= 'A' && b <= 'Z' ? static_cast<char>(b + 32) : b;
        if (lowerA != lowerB) return false;
    }
    return true;
}

// The comment lines of a source, in order: the writer puts them back at its top.
std::string CommentLines(const std::string& bytes) {
    std::istringstream in(bytes);
    std::string line, heading;
    while (std::getline(in, line)) {
        const size_t first = line.find_first_not_of(" \t\xEF\xBB\xBF");
        if (first == std::string::npos || line[first] != '#') continue;
        std::string text = line.substr(first + 1);
        if (!text.empty() && text[0] == ' ') text.erase(0, 1);
        while (!text.empty() && (text.back() == '\r' || text.back() == ' '))
            text.pop_back();
        heading += (heading.empty() ? "" : "\n") + text;
    }
    return heading;
}

} // namespace

void NewStudioDocument(StudioDocument* document) {
    *document = StudioDocument();
    document->source.content.quizKind = kQuizPictures;
}

bool ReadStudioSource(const std::string& bytes, const std::string& path, StudioDocument* document,
                      std::string* error) {
    if (bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0 ||
        bytes.find('\0') != std::string::npos) {
        *error = "Ce fichier est enregistr\xE9 en UTF-16. Enregistrez-le en UTF-8 (dans le Bloc-notes : "
                 "Enregistrer sous, Encodage UTF-8) puis ouvrez-le \xE0 nouveau.";
        return false;
    }
    if (FindInvalidUtf8(bytes) != std::string::npos) {
        *error = "Ce fichier n'est pas en UTF-8 (il semble enregistr\xE9 en Latin-1 ou Windows-1252). "
                 "Enregistrez-le en UTF-8 (dans le Bloc-notes : Enregistrer sous, Encodage UTF-8) puis "
                 "ouvrez-le \xE0 nouveau.";
        return false;
    }
    StudioDocument read;
    std::vector<SourceMessage> errors, warnings;
    ParseQuizSource(bytes, &read.source, &errors, &warnings); // the problems list tells its mistakes
    read.path = path;
    read.heading = CommentLines(bytes);
    read.selected = read.source.content.questions.empty() ? -1 : 0;
    *document = std::move(read);
    return true;
}

std::string StudioSourceText(const StudioDocument& document) {
    std::vector<std::string> warnings; // the writer's trims: the edit fields hold one line each
    return WriteQuizSource(document.source, document.heading, &warnings);
}

bool InsertQuestion(StudioDocument* document, int at) {
    QuizSource& source = document->source;
    const int count = static_cast<int>(source.content.questions.size());
    if (count >= kMaxQuestions || at < 0 || at > count) return false;
    source.content.questions.insert(source.content.questions.begin() + at, QuestionContent());
    source.media.insert(source.media.begin() + at, QuestionMedia());
    document->selected = at;
    document->changed = true;
    return true;
}

void DeleteQuestion(StudioDocument* document, int at) {
    QuizSource& source = document->source;
    const int count = static_cast<int>(source.content.questions.size());
    if (at < 0 || at >= count) return;
    source.content.questions.erase(source.content.questions.begin() + at);
    source.media.erase(source.media.begin() + at);
    document->selected = at < count - 1 ? at : count - 2;
    document->changed = true;
}

bool MoveQuestion(StudioDocument* document, int at, int by) {
    QuizSource& source = document->source;
    const int count = static_cast<int>(source.content.questions.size());
    const int to = at + by;
    if (at < 0 || at >= count || to < 0 || to >= count) return false;
    std::swap(source.content.questions[at], source.content.questions[to]);
    std::swap(source.media[at], source.media[to]);
    document->selected = to;
    document->changed = true;
    return true;
}

std::string AnswerFromFileName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    for (char& c : name)
        if (c == '_' || c == '-') c = ' ';
    const size_t first = name.find_first_not_of(' ');
    const size_t last = name.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
}

bool AddMediaQuestion(StudioDocument* document, const std::string& mediaPath) {
    std::string answer, problem;
    if (!Utf8ToCp1252(AnswerFromFileName(mediaPath), &answer, &problem)) answer.clear();
    if (answer.size() > kMaxAnswerLength) answer.resize(kMaxAnswerLength);
    const int at = static_cast<int>(document->source.content.questions.size());
    if (!InsertQuestion(document, at)) return false;
    document->source.content.questions[at].answer1 = answer;
    document->source.media[at].picture = MediaPathFor(document->path, mediaPath);
    return true;
}

std::string MediaPathFor(const std::string& sourcePath, const std::string& mediaPath) {
    const std::string folder = FolderOf(sourcePath);
    if (folder.empty() || !IsAbsolute(mediaPath) || !SamePathStart(mediaPath, folder)) return mediaPath;
    std::string relative = mediaPath.substr(folder.size());
    for (char& c : relative)
        if (c == '\\') c = '/';
    return relative;
}

void RebaseStudioDocument(StudioDocument* document, const std::string& newPath) {
    const std::string oldFolder = FolderOf(document->path);
    for (QuestionMedia& media : document->source.media)
        for (std::string* file : {&media.picture, &media.reward}) {
            if (file->empty()) continue;
            const std::string absolute = IsAbsolute(*file) ? *file : oldFolder + *file;
            *file = MediaPathFor(newPath, absolute);
        }
    document->path = newPath;
}
