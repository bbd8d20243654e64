#pragma once
// Path texts: joining a folder and a name, and taking a path apart. Paths use
// '/' as the separator (NormaliseerPad in base/mappen.h makes them so); these
// functions only look at the text and never at the file system, so they work
// alike on Windows-1252 and on UTF-8 paths.

#include <string>

// `naam` inside the folder `map`: "map/naam". An empty folder is the current
// one, so the name stays as it is; trailing separators of `map` are dropped,
// and the root stays "/naam".
std::string PadSamen(const std::string& map, const std::string& naam);

// `pad` without its trailing separators; "/" stays "/".
std::string ZonderSlotSchuine(std::string pad);

// The folder part of `pad`: everything before its last separator, "/" for a
// path in the root and "." when there is no separator.
std::string MapVanPad(const std::string& pad);

// The last part of `pad`, after its last separator (trailing ones ignored).
std::string LaatsteDeel(const std::string& pad);
