#include "shell/shell_state.h"

QuizDocument* quizDocument = nullptr;
HWND headerPanelWindow = nullptr;
HWND questionPanelWindow = nullptr;
HBRUSH windowBrush = nullptr;
