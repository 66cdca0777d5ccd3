#pragma once
// The lines of a batch input, with a read error told apart from the end of
// the input: a directory, an unreadable device or a failure in the middle of
// a file is a message, never a short batch. A line longer than the limit is
// not held in memory: it is handed out empty with TooLong() set, so a batch
// of any size reads in constant memory.

#include <cstdint>
#include <iosfwd>
#include <string>

namespace velmora::cli {

class LineSource {
public:
    static constexpr std::size_t kDefaultMaxLineBytes = 1 << 20;  // 1 MiB; a request line is about 200 bytes

    virtual ~LineSource() = default;
    // The next line without its newline; false at the end or on an error.
    virtual bool Next(std::string& line) = 0;
    // Why reading stopped early; empty at a clean end.
    const std::string& Error() const { return error_; }
    // The last line handed out was longer than MaxLineBytes() and was
    // skipped to its end; `line` was left empty.
    bool TooLong() const { return tooLong_; }
    std::size_t MaxLineBytes() const { return maxLineBytes_; }
    void SetMaxLineBytes(std::size_t bytes) { maxLineBytes_ = bytes; }
    // Bytes of the lines handed out so far, their newlines included.
    std::uint64_t BytesRead() const { return bytesRead_; }

protected:
    std::string error_;
    bool tooLong_ = false;
    std::size_t maxLineBytes_ = kDefaultMaxLineBytes;
    std::uint64_t bytesRead_ = 0;
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
