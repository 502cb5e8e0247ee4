// Small PE images made in memory for the resource tests: a header, one code section, and (for the
// template) the player's two panel dialogs and an icon in a resource section of their own.
#pragma once

#include <string>
#include <vector>

#include "tools/pe_resources.h"

// A PE32 (i686) or PE32+ (x86_64) image with one code section and no resources; room for more sections.
ByteVector MakeBareImage(bool pe32Plus);

// A bare image with a player's resources (dialogs 1001 and 1002, an icon, a named resource) in a last
// section ".rsrc". With `sectionAfter`, another section follows it, and a symbol table sits past the
// sections (PointerToSymbolTable pointing at it).
ByteVector MakeTemplateImage(bool pe32Plus, bool sectionAfter);

// The file offset of the resource tree's root in `image`.
size_t ResourceRootOffset(const ByteVector& image);

uint32_t ReadU32(const ByteVector& bytes, size_t at);
void WriteU32(ByteVector& bytes, size_t at, uint32_t value);

std::string MakeScratchFolder();
