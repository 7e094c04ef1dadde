#include "OutputSink.h"

#include "Utf8Console.h"

#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

namespace zentrova {

#ifdef _WIN32

// Bytes as they are, without a "\r" before each "\n", to a pipe or file; a
// console gets them as UTF-16 text.
void OutputSink::Write(std::string_view bytes)
{
    used_ = used_ || !bytes.empty();
    if (error_ != 0 || bytes.empty() || WriteToConsole(fd_, bytes))
        return;
    _setmode(fd_, _O_BINARY);
    while (!bytes.empty() && error_ == 0) {
        const int written = _write(fd_, bytes.data(), static_cast<unsigned>(bytes.size()));
        if (written > 0)
            bytes.remove_prefix(static_cast<std::size_t>(written));
        else
            error_ = written == 0 ? EIO : errno;
    }
}

int OutputSink::Close()
{
    if (_close(fd_) != 0 && error_ == 0)
        error_ = errno;
    return error_;
}

#else

void OutputSink::Write(std::string_view bytes)
{
    used_ = used_ || !bytes.empty();
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

#endif

}  // namespace zentrova
