#include "InputLines.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace zentrova {
namespace {

constexpr std::size_t kBlockBytes = 64 * 1024;

// Up to `size` bytes: their count, 0 at the end, -1 on an error (errno).
long long ReadBlock(int fd, char* into, std::size_t size)
{
#ifdef _WIN32
    return _read(fd, into, static_cast<unsigned>(size));
#else
    return ::read(fd, into, size);
#endif
}

}  // namespace

InputLines::InputLines(int fd, std::function<void()> beforeWait) : fd_(fd), beforeWait_(std::move(beforeWait)) {}

bool InputLines::Next(std::string& line)
{
    for (;;) {
        const std::size_t feed = data_.find('\n', start_);
        if (feed != std::string::npos || (end_ && start_ < data_.size())) {
            const std::size_t end = feed == std::string::npos ? data_.size() : feed;
            std::size_t length = end - start_;
            if (length > 0 && data_[end - 1] == '\r')
                --length;
            line.assign(data_, start_, length);
            start_ = feed == std::string::npos ? data_.size() : feed + 1;
            return true;
        }
        if (end_)
            return false;

        data_.erase(0, start_);
        start_ = 0;
        beforeWait_();
        const std::size_t had = data_.size();
        data_.resize(had + kBlockBytes);
        const long long got = ReadBlock(fd_, data_.data() + had, kBlockBytes);
        data_.resize(had + static_cast<std::size_t>(got > 0 ? got : 0));
        if (got == 0) {
            end_ = true;
        } else if (got < 0 && errno != EINTR) {
            error_ = errno;
            end_ = true;
        }
    }
}

}  // namespace zentrova
