// Paths of the files the program reads. The program writes Windows paths
// ("..\art\3d\yak_52\i_stokF.txt"); the file system and the user see them
// with forward slashes.
#pragma once

#include <string>

// The path with every backslash turned into a forward slash.
std::string ToFilePath(const char* path);

// The path as a user can open it, for messages: forward slashes, and a
// relative path followed by the absolute one it resolves to from the working
// folder, "../art/3d/yak_52/i_propeller.txt (/home/me/zarv/art/3d/yak_52/...)".
std::string DescribeFilePath(const char* path);
