// Run-time basics of the widget layer: its exception hierarchy (the root and the
// definition error are in Errors.h), files, the
// running executable's path, and the one place where the program's
// Windows-1252 strings meet Qt's Unicode strings.
#pragma once

#include "text/Errors.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QString;

// A file that cannot be opened or read: "Cannot open file <path>".
class EFOpenError : public Exception {
public:
    explicit EFOpenError(const std::string& path);
};
// Reading past the end of a stream or definition value: "Stream read error".
class EReadError : public Exception {
public:
    EReadError();
    using Exception::Exception;
};
// A picture whose bytes are not what its format requires.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};
// The platform refused a resource (bitmap, window, timer).
class EOutOfResources : public Exception {
public:
    EOutOfResources();
    using Exception::Exception;
};
// An operation that makes no sense in the object's state ("Cannot make a visible window modal").
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};
// The silent abort: unwinds like any failure but the error box shows nothing.
class EAbort : public Exception {
public:
    EAbort();
};
// Raises the silent abort.
[[noreturn]] void Abort();

// Files. Paths are Windows-1252 program strings with "/" separators.
// True when something other than a directory exists at the path.
bool FileExists(const std::string& path);
// The whole file; EFOpenError when it cannot be opened or read.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);
// The same, but nothing when the file holds more than maxBytes: its size is
// checked before anything is allocated (and again while reading, should it grow).
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::uint64_t maxBytes);

// Full path of the running executable, symlinks resolved.
std::string ExecutablePath();
// The path up to and including its last "/" (empty when it holds none).
std::string ExtractAppDir(std::string_view exePath);

// The Qt boundary. ToQt never fails; FromQt turns a character that the code
// page cannot hold into "?" (input is filtered before it gets that far).
QString ToQt(std::string_view cp1252);
std::string FromQt(const QString& text);
// True when every character of the text has a Windows-1252 byte.
bool FitsCp1252(const QString& text);
