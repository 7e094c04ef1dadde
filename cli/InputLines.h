#pragma once

#include <functional>
#include <string>

namespace zentrova {

// The lines of an input file descriptor, read in large blocks. Whenever no
// complete line is left and the next read may wait, `beforeWait` runs
// first: a program that drives the batch line by line through pipes gets
// each result before it sends the next line.
class InputLines {
public:
    InputLines(int fd, std::function<void()> beforeWait);

    // The next line without its line feed and a carriage return before it;
    // the last line may lack the line feed. False at the end of the input;
    // error() then tells whether reading failed.
    bool Next(std::string& line);
    int error() const { return error_; }

private:
    int fd_;
    std::function<void()> beforeWait_;
    std::string data_;
    std::size_t start_ = 0;
    bool end_ = false;
    int error_ = 0;
};

}  // namespace zentrova
