// Portable half of the answers file: its name and its bytes. The writer (SaveAnswers) and the reader
// (the question panel, at start-up) both take the name from here, so they always agree.
#pragma once

#include <string>
#include <vector>

// The program file's name (after the last '\' or '/') with its last three characters replaced by "txt":
// "C:\jeux\jeu.exe" gives "jeu.txt", "JEU.EXE" gives "JEU.txt". A name of fewer than three characters
// gets ".txt" appended instead; an empty name gives an empty result (no file).
std::string AnswersFileName(const std::string& modulePath);

// The file's content: every field's text byte for byte, each followed by CR LF, nothing else.
std::string AnswersFileBytes(const std::vector<std::string>& fieldTexts);
