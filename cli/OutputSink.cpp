#include "OutputSink.h"

#include <cerrno>

#include <poll.h>
#include <unistd.h>

namespace zentrova {

void OutputSink::Write(std::string_view bytes)
{
    while (!bytes.empty() && error_ == 0) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
        } else if (written == 0) {
            error_ = EIO;  // a device that takes nothing would be retried for ever
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            pollfd ready{fd_, POLLOUT, 0};
            ::poll(&ready, 1, -1);
        } else if (errno != EINTR) {
            error_ = errno;
        }
    }
}

int OutputSink::Close()
{
    // After a failed close the descriptor is gone all the same (Linux), so
    // it is never retried; EINTR there does not mean the data was lost.
    if (::close(fd_) != 0 && error_ == 0 && errno != EINTR)
        error_ = errno;
    return error_;
}

}  // namespace zentrova
