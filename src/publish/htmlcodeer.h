#pragma once
// The copy of an include file that is uploaded, with every byte 0x80-0xFF as
// the HTML named entity of its Windows-1252 character.

#include <string>

class CUploadLog;

// The entity text of byte `c` (0x80-0xFF): "&eacute;" and the like, or "?" for
// the codes without an entity. Null for a byte below 0x80.
const char* HtmlEntiteit(unsigned char c);

// Copies `bron` to `doel`, encoded. Bytes below 0x80 (the HTML itself) stay as
// they are. On failure the system's reason is added to `log` and false is
// returned; a target that could not be written completely is a failure too.
bool HtmlCodeer(const std::string& bron, const std::string& doel, CUploadLog& log);
