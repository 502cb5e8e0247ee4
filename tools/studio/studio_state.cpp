#include "tools/studio/studio_state.h"

StudioDocument* studioDocument = nullptr;
HWND studioWindow = nullptr;
MediaChecks* mediaChecks = nullptr;
std::vector<StudioProblem>* studioProblems = nullptr;
QuizDocument* judgeDocument = nullptr;
bool fillingControls = false;
HBRUSH sampleBrush = nullptr;
