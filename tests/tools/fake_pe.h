// Small PE images made in memory for the resource tests: a header, one code section, and (for the
// template) the player's two panel dialogs and an icon in a resource section of their own.
#pragma once

#include <string>
#include <vector>

#include "tests/tools/bare_pe.h"
#include "tools/pe_resources.h"

// A bare image with a player's resources (dialogs 1001 and 1002, an icon, a named resource) in a last
// section ".rsrc". With `sectionAfter`, another section follows it, and a symbol table sits past the
// sections (PointerToSymbolTable pointing at it).
ByteVector MakeTemplateImage(bool pe32Plus, bool sectionAfter);

// The file offset of the resource tree's root in `image`.
size_t ResourceRootOffset(const ByteVector& image);

std::string MakeScratchFolder();
