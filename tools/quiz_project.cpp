#include "tools/quiz_project.h"

#include "tools/file_bytes.h"

namespace {

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string Resolve(const std::string& base, const std::string& path) {
    return !path.empty() && path[0] == '/' ? path : base + "/" + path;
}

bool ReadMedia(const std::string& quizPath, const std::string& file, ByteVector* bytes,
               std::vector<std::string>* errors) {
    if (file.empty()) return true;
    const std::string path = Resolve(DirectoryOf(quizPath), file);
    if (!ReadFileBytes(path, bytes)) {
        errors->push_back(quizPath + ": cannot read " + path);
        return false;
    }
    if (bytes->empty()) {
        errors->push_back(quizPath + ": " + path + " is empty");
        return false;
    }
    return true;
}

} // namespace

bool LoadQuizProject(const std::string& quizPath, QuizProject* project, std::vector<std::string>* errors,
                     std::vector<std::string>* /*warnings*/) {
    ByteVector sourceBytes;
    if (!ReadFileBytes(quizPath, &sourceBytes)) {
        errors->push_back(quizPath + ": cannot read the file");
        return false;
    }
    std::string error;
    if (!ParseQuizSource(std::string(sourceBytes.begin(), sourceBytes.end()), &project->source, &error)) {
        errors->push_back(quizPath + ": " + error);
        return false;
    }
    const std::string problem = DescribeQuizProblem(project->source.content);
    if (!problem.empty()) {
        errors->push_back(quizPath + ": " + problem);
        return false;
    }
    const size_t count = project->source.media.size();
    project->media.assign(count, {});
    project->rewards.assign(count, {});
    bool ok = true;
    for (size_t i = 0; i < count; ++i) {
        ok = ReadMedia(quizPath, project->source.media[i].picture, &project->media[i], errors) && ok;
        ok = ReadMedia(quizPath, project->source.media[i].reward, &project->rewards[i], errors) && ok;
    }
    return ok;
}
