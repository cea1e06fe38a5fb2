#pragma once
// A second X client for the window tests: it owns the clipboard and hands its text
// over in pieces of `piece` bytes (X11's incremental transfer, as some toolkits send
// large selections), announcing only one piece as the size to expect.
#include <sys/types.h>

#include <cstddef>
#include <string>

// Starts the client as a child process on `display`; it serves the text as UTF-8 until
// it is killed. Answers its process id, or -1 when it could not start.
pid_t ServeClipboardInPieces(const std::string& display, const std::string& utf8,
                             size_t piece = 4096);
