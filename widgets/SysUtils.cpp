#include "widgets/SysUtils.h"

#include "text/Cp1252.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

EFOpenError::EFOpenError(const std::string& path) : Exception("Cannot open file " + path) {}
EReadError::EReadError() : Exception("Stream read error") {}
EOutOfResources::EOutOfResources() : Exception("Out of system resources") {}
EAbort::EAbort() : Exception("Operation aborted") {}

void Abort()
{
    throw EAbort();
}

namespace {
std::string nativePath(const std::string& path)
{
    return cp1252::toUtf8(path);
}
} // namespace

bool FileExists(const std::string& path)
{
    struct stat st {};
    return !path.empty() && ::stat(nativePath(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path)
{
    return *ReadWholeFile(path, UINT64_MAX);
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::uint64_t maxBytes)
{
    // O_NONBLOCK so that a FIFO or device cannot hang the window thread.
    const int fd = ::open(nativePath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        throw EFOpenError(path);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw EFOpenError(path);
    }
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        ::close(fd);
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    std::uint8_t buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            throw EFOpenError(path);
        }
        if (n == 0)
            break;
        if (static_cast<std::uint64_t>(n) > maxBytes - bytes.size()) {
            ::close(fd);
            return std::nullopt;
        }
        bytes.insert(bytes.end(), buf, buf + n);
    }
    ::close(fd);
    return bytes;
}

std::string ExecutablePath()
{
    QString path;
    if (QCoreApplication::instance())
        path = QCoreApplication::applicationFilePath();
    if (path.isEmpty())
        path = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return FromQt(path);
}

std::string ExtractAppDir(std::string_view exePath)
{
    const auto slash = exePath.rfind('/');
    if (slash == std::string_view::npos)
        return {};
    return std::string(exePath.substr(0, slash + 1));
}

QString ToQt(std::string_view text)
{
    // One character per byte: written in place, not appended one by one.
    QString out(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    QChar* to = out.data();
    for (const char c : text)
        *to++ = QChar(static_cast<char16_t>(cp1252::toUnicode(static_cast<unsigned char>(c))));
    return out;
}

std::string FromQt(const QString& text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const auto b = c.isSurrogate() ? std::nullopt : cp1252::fromUnicode(c.unicode());
        out.push_back(b ? static_cast<char>(*b) : '?');
    }
    return out;
}

bool FitsCp1252(const QString& text)
{
    for (const QChar c : text)
        if (c.isSurrogate() || !cp1252::fromUnicode(c.unicode()))
            return false;
    return true;
}
