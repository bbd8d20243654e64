#pragma once
// Folder names: normalising a path, making folders and testing for a folder.
// Paths are Windows-1252 text like every other text of the program and use
// '/' as the separator.

#include <filesystem>
#include <string>

// Trims `pad` of white space (space, tab, CR, LF) at both ends, turns every
// '\' into '/', folds runs of separators into one and drops one trailing
// separator. White space alone, or a single separator, becomes empty.
// Changes `pad` in place and returns it.
std::string& NormaliseerPad(std::string& pad);

// Makes every folder of `pad` that does not exist yet, from the first one
// down. When `eindigtOpBestand` is set the last part of the path names a file
// and is not made. Failures are passed over silently: the caller tests the
// outcome with IsMap where it matters. Paths of any length are handled.
void MaakMappen(const std::string& pad, bool eindigtOpBestand);

// 1 when `pad` names an existing folder, else 0.
int IsMap(const std::string& pad);

// The file system's path for a Windows-1252 path text, and back.
std::filesystem::path NaarFsPad(const std::string& pad);
std::string VanFsPad(const std::filesystem::path& pad);
