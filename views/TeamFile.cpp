#include "views/TeamFile.h"

#include "text/Cp1252.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

using namespace cp1252::literals;

namespace teamfile {
namespace {

namespace fs = std::filesystem;

// The first free name beside the file for keeping it aside.
fs::path AsideName(const fs::path& file)
{
    fs::path aside = file;
    aside += ".danificado";
    for (int n = 2; fs::exists(fs::symlink_status(aside)); ++n) {
        aside = file;
        aside += ".danificado-" + std::to_string(n);
    }
    return aside;
}

std::string Why(int error)
{
    return std::strerror(error);
}

} // namespace

Loaded Load(const fs::path& file)
{
    Loaded loaded;
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (status.type() == fs::file_type::not_found)
        return loaded;
    if (status.type() != fs::file_type::regular) {
        loaded.Problem = std::string("O lugar da equipe não é um arquivo: "_cp) + file.string();
        return loaded;
    }
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in && !in.eof()) {
        loaded.Problem = std::string("Não foi possível ler a equipe: "_cp) + file.string();
        return loaded;
    }
    ReadTeam read = TeamFromText(text.str());
    if (read.Problem.empty()) {
        loaded.Members = std::move(read.Members);
        return loaded;
    }
    const fs::path aside = AsideName(file);
    fs::rename(file, aside, ec);
    loaded.KeptAside = ec ? fs::path() : aside;
    loaded.Problem = std::string("A equipe guardada não pôde ser lida ("_cp) + read.Problem + "). ";
    loaded.Problem += ec ? std::string("O arquivo ficou onde estava: "_cp) + file.string()
                         : std::string("O arquivo foi guardado à parte em "_cp) + aside.string();
    loaded.Problem += std::string(". A equipe começa vazia."_cp);
    return loaded;
}

std::string Save(const fs::path& file, std::span<const TeamMember> team)
{
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    fs::path temporary = file;
    // One name per process: two programs saving at once never share it.
    temporary += ".novo-" + std::to_string(::getpid());
    const std::string text = TeamText(team);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return std::string("Não foi possível guardar a equipe: "_cp) + Why(errno);
    const char* at = text.data();
    std::size_t left = text.size();
    int error = 0;
    while (left > 0 && error == 0) {
        const ssize_t written = ::write(fd, at, left);
        if (written < 0 && errno != EINTR)
            error = errno;
        else if (written > 0) {
            at += written;
            left -= static_cast<std::size_t>(written);
        }
    }
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), file.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return std::string("Não foi possível guardar a equipe: "_cp) + Why(error);
    }
    return {};
}

} // namespace teamfile
