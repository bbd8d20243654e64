#pragma once
// Copying a file, and the backup copy of the data file after every write.

#include <string>

// Copies `bron` to `doel`, making the target's folders first. Every failure is
// shown with the path and the reason; the source is never changed. Returns 0
// when the copy is complete, -1 after a message.
int FileCopy(const std::string& bron, const std::string& doel);

// The backup after a write of `datafile`: when `makeBackup` is 1 the file is
// copied into the folder `backupPad` under its own name, replacing the copy of
// the previous write. Returns 0 when no copy was wanted or it succeeded, -1
// after a message; the data file itself is never touched.
int MaakBackup(const std::string& datafile, int makeBackup, const std::string& backupPad);
