#include "ChunkedOutput.h"

#include "OutputSink.h"

namespace zentrova {

ChunkedOutput::ChunkedOutput(OutputSink* sink, std::string& collected)
    : sink_(sink), buffer_(sink ? own_ : collected)
{
    if (sink_)
        own_.reserve(2 * kChunkBytes);
}

void ChunkedOutput::Flush()
{
    if (!sink_ || buffer_.empty())
        return;
    sink_->Write(buffer_);
    buffer_.clear();
}

bool ChunkedOutput::Failed() const
{
    return sink_ && sink_->Failed();
}

}  // namespace zentrova
