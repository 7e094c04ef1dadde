#include "DesignFile.h"

#include "DesignFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace zentrova {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

DesignProblem SystemProblem(int error)
{
    if (error == EACCES || error == EPERM)
        return {DesignProblemKind::NoReadPermission, {}};
    if (error == ENOENT)
        return {DesignProblemKind::NotFound, {}};
    if (error == EISDIR)
        return {DesignProblemKind::IsDirectory, {}};
    return {DesignProblemKind::ReadFailed, std::strerror(error)};
}

// Windows names files in UTF-16: a path with Chinese in it opens there too.
std::FILE* OpenForReading(const std::filesystem::path& path)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

}  // namespace

std::variant<std::string, DesignProblem> ReadDesignFileBytes(const std::filesystem::path& path, std::uintmax_t limit)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return DesignProblem{DesignProblemKind::NotFound, {}};
    if (status.type() == std::filesystem::file_type::directory)
        return DesignProblem{DesignProblemKind::IsDirectory, {}};
    if (status.type() == std::filesystem::file_type::regular) {
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (!error && size > limit)
            return DesignProblem{DesignProblemKind::TooLarge, std::to_string(size)};
    }

    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(OpenForReading(path));
    if (!file)
        return SystemProblem(errno);
    // Reads one byte past the limit, so that a file that grew since, or one
    // without a size such as a pipe, is refused all the same.
    std::string bytes;
    char buffer[1 << 16];
    while (bytes.size() <= limit) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, got);
        if (got < sizeof buffer) {
            if (std::ferror(file.get()))
                return SystemProblem(errno);
            break;
        }
    }
    if (bytes.size() > limit)
        return DesignProblem{DesignProblemKind::TooLarge, {}};
    return bytes;
}

std::variant<Design, DesignProblem> OpenDesignFile(const std::filesystem::path& path, const DesignFileReader& reader)
{
    std::variant<std::string, DesignProblem> bytes = reader(path, kMaxDesignFileBytes);
    if (auto* problem = std::get_if<DesignProblem>(&bytes))
        return *problem;
    return ParseDesignJson(std::get<std::string>(bytes));
}

}  // namespace zentrova
