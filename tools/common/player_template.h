// The player template a quiz program is made from (the player without a quiz), found where an
// authoring program ships with it.
#pragma once

#include <string>

#include "quizdata/quiz_coding.h"

// Looks, in order: in the running program's own resources (the Windows authoring programs carry both
// templates, see jorvo_carry_player_templates), beside the program as jorvo-template-<arch>.exe, then
// in the installed layout's share/jorvo/ beside the program's bin/. `arch` is "i686" or "x86_64".
// *from says where it was found ("built in", or the file's path); false with *error naming the places
// looked at.
bool LoadPlayerTemplate(const std::string& arch, ByteVector* image, std::string* from, std::string* error);

// The file name a template of that architecture ships under.
std::string PlayerTemplateFileName(const std::string& arch);
