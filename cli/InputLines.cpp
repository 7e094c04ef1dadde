#include "InputLines.h"

#include <cerrno>

#include <unistd.h>

namespace zentrova {
namespace {

constexpr std::size_t kBlockBytes = 64 * 1024;

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
        const ssize_t got = ::read(fd_, data_.data() + had, kBlockBytes);
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
