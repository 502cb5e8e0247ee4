// Small PE images made in memory for the resource tests: a header, one code section, and (for the
// template) the player's two panel dialogs and an icon in a resource section of their own.
#pragma once

#include <string>
#include <vector>

#include "tests/tools/bare_pe.h"
#include "tools/pe/pe_resources.h"

// What follows the resource section in a template.
enum class TemplateTail {
    kNothing,     // the resources are the last section
    kRelocations, // the base relocations (data directory 5), as the GNU linker lays programs out
    kOther,       // a section nothing names, then a symbol table (PointerToSymbolTable) past the sections
};

// A bare image with a player's resources (dialogs 1001 and 1002, an icon, a named resource) in a section
// ".rsrc", followed by `tail`.
ByteVector MakeTemplateImage(bool pe32Plus, TemplateTail tail = TemplateTail::kNothing);

// The file offset of the resource tree's root in `image`.
size_t ResourceRootOffset(const ByteVector& image);

std::string MakeScratchFolder();
