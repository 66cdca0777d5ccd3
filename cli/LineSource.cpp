#include "cli/LineSource.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <istream>

namespace velmora::cli {

bool StreamLines::Next(std::string& line) {
    line.clear();
    tooLong_ = false;
    std::streambuf* const buffer = in_.rdbuf();
    std::uint64_t length = 0;
    bool newline = false;
    try {
        for (;;) {
            const auto c = buffer->sbumpc();
            if (c == std::char_traits<char>::eof()) break;
            if (c == '\n') {
                newline = true;
                break;
            }
            if (++length > maxLineBytes_) {
                if (!tooLong_) line.clear();
                tooLong_ = true;
            } else {
                line.push_back(static_cast<char>(c));
            }
        }
    } catch (...) {
        error_ = "the input could not be read";
        return false;
    }
    if (!newline && length == 0) {
        in_.setstate(std::ios::eofbit);
        return false;
    }
    bytesRead_ += length + (newline ? 1 : 0);
    return true;
}

bool DescriptorLines::Fill() {
    constexpr std::size_t kChunk = 64 * 1024;
    if (start_ > 0) {
        buffer_.erase(0, start_);
        start_ = 0;
    }
    const std::size_t had = buffer_.size();
    buffer_.resize(had + kChunk);
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data() + had, kChunk);
        if (got > 0) {
            buffer_.resize(had + static_cast<std::size_t>(got));
            return true;
        }
        buffer_.resize(had);
        if (got == 0) return false;
        if (errno == EINTR) continue;
        error_ = std::strerror(errno);
        return false;
    }
}

bool DescriptorLines::Next(std::string& line) {
    tooLong_ = false;
    std::size_t scanned = 0;   // bytes after start_ known to hold no newline
    std::uint64_t skipped = 0;  // bytes of a too long line already let go
    for (;;) {
        const std::size_t end = buffer_.find('\n', start_ + scanned);
        if (end != std::string::npos) {
            const std::size_t length = end - start_;
            if (tooLong_ || length > maxLineBytes_) {
                tooLong_ = true;
                line.clear();
            } else {
                line.assign(buffer_, start_, length);
            }
            bytesRead_ += skipped + length + 1;
            start_ = end + 1;
            return true;
        }
        scanned = buffer_.size() - start_;
        if (scanned > maxLineBytes_) {
            // Too long: let its bytes go as they come, keep nothing of it.
            tooLong_ = true;
            skipped += scanned;
            start_ = buffer_.size();
            scanned = 0;
        }
        if (ended_ || !Fill()) {
            ended_ = true;
            if (!error_.empty()) return false;
            if (start_ >= buffer_.size() && !tooLong_) return false;
            // The last line, without a newline.
            const std::size_t length = buffer_.size() - start_;
            if (tooLong_ || length > maxLineBytes_) {
                tooLong_ = true;
                line.clear();
            } else {
                line.assign(buffer_, start_, std::string::npos);
            }
            bytesRead_ += skipped + length;
            start_ = buffer_.size();
            return true;
        }
    }
}

}  // namespace velmora::cli
