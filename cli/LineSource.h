#pragma once
// The lines of a batch input, with a read error told apart from the end of
// the input: a directory, an unreadable device or a failure in the middle of
// a file is a message, never a short batch.

#include <iosfwd>
#include <string>

namespace velmora::cli {

class LineSource {
public:
    virtual ~LineSource() = default;
    // The next line without its newline; false at the end or on an error.
    virtual bool Next(std::string& line) = 0;
    // Why reading stopped early; empty at a clean end.
    const std::string& Error() const { return error_; }

protected:
    std::string error_;
};

// Lines of a stream (the tests' in-memory input).
class StreamLines : public LineSource {
public:
    explicit StreamLines(std::istream& in) : in_(in) {}
    bool Next(std::string& line) override;

private:
    std::istream& in_;
};

// Lines read straight from a file descriptor, whose errors are seen as such.
// The descriptor stays the caller's.
class DescriptorLines : public LineSource {
public:
    explicit DescriptorLines(int fd) : fd_(fd) {}
    bool Next(std::string& line) override;

private:
    bool Fill();  // more bytes into the buffer; false at the end or on an error

    int fd_;
    std::string buffer_;
    std::size_t start_ = 0;  // first byte not yet handed out
    bool ended_ = false;
};

}  // namespace velmora::cli
