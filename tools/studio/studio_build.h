// Making the quiz program: "Créer le programme" writes it where the author says, "Essayer le quiz" packs
// it into a fresh temporary folder and starts it there.
#pragma once

#include <windows.h>

void BuildProgram(HWND window);
void TryQuiz(HWND window);
