#pragma once
// The log of an upload run: one line per step or failure. The upload window
// shows it; the command line and the tests keep it their own way.

#include <string>

class CUploadLog {
public:
    virtual ~CUploadLog() = default;
    // `regel` is Windows-1252 text.
    virtual void VoegRegelToe(const std::string& regel) = 0;
};
