#pragma once

#include <string_view>

namespace zentrova {

// An open file descriptor the program writes its output to: standard output,
// or a file it writes. Every write is checked and carried on after a short
// write, a signal or a full non-blocking pipe; the first failure (ENOSPC,
// EBADF, EPIPE once SIGPIPE is ignored, EIO, ...) is kept and later writes
// are dropped, so that the program reports it once and never claims success
// for output that was lost. The descriptor stays open until Close().
class OutputSink {
public:
    explicit OutputSink(int fd) : fd_(fd) {}
    OutputSink(const OutputSink&) = delete;
    OutputSink& operator=(const OutputSink&) = delete;

    void Write(std::string_view bytes);

    // Closes the descriptor, which also reports failures the system could
    // only tell at the end (a file system that writes back on close).
    // Returns the error number of the first failure of all, 0 when every
    // byte went out.
    int Close();

    // Whether a write failed already: a long run stops producing there.
    bool Failed() const { return error_ != 0; }
    // Whether any bytes were given to Write, so that Close has a result to report.
    bool Used() const { return used_; }

private:
    int fd_;
    int error_ = 0;
    bool used_ = false;
};

}  // namespace zentrova
