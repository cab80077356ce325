// The corpus of mesh files the two readers are compared on: the canonical
// layout and its variants, every form of number "%f" takes, long lines,
// truncated files, odd structures, and garbage. Made the same way on every
// run (fixed seeds).
#pragma once

#include <string>
#include <vector>

struct CorpusFile
{
    std::string name;
    std::string bytes;
};

std::vector<CorpusFile> BuildMeshCorpus();

// Number tokens of every form "%f" takes or stumbles on.
const std::vector<std::string>& NumberForms();
