#pragma once
// The exit statuses of the program, one home for the commands, the help text
// and the start of the windows.

inline constexpr int kGelukt = 0;          // done, nothing reported
inline constexpr int kGemeld = 1;          // something was refused or reported
inline constexpr int kNietGelezen = 2;     // the competition or data file could not be read
inline constexpr int kFataleStartFout = 3; // the settings could not be set up
inline constexpr int kGebruiksFout = 64;   // the command line could not be understood
