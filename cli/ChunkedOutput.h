#pragma once

#include <cstddef>
#include <string>

namespace zentrova {

class OutputSink;

// The results of a long run: appended to one buffer that is reused for the
// whole run and handed to the output sink in large chunks, so that a run of
// millions of lines needs neither memory nor a system call per line. Without
// a sink the buffer is the caller's string, which then holds every result.
class ChunkedOutput {
public:
    ChunkedOutput(OutputSink* sink, std::string& collected);
    ChunkedOutput(const ChunkedOutput&) = delete;
    ChunkedOutput& operator=(const ChunkedOutput&) = delete;
    ~ChunkedOutput() { Flush(); }

    std::string& Buffer() { return buffer_; }

    // Hands the buffer on when it holds a chunk's worth.
    void FlushIfFull()
    {
        if (buffer_.size() >= kChunkBytes)
            Flush();
    }
    // Hands everything written so far on: before waiting for input.
    void Flush();

    // A write failed: the rest of the run would be lost.
    bool Failed() const;

private:
    static constexpr std::size_t kChunkBytes = 64 * 1024;

    OutputSink* sink_;
    std::string own_;
    std::string& buffer_;
};

}  // namespace zentrova
