#include "cli/LineSource.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <istream>

namespace velmora::cli {

bool StreamLines::Next(std::string& line) {
    if (std::getline(in_, line)) return true;
    if (in_.bad()) error_ = "the input could not be read";
    return false;
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
    std::size_t scanned = 0;  // bytes after start_ known to hold no newline
    for (;;) {
        const std::size_t end = buffer_.find('\n', start_ + scanned);
        if (end != std::string::npos) {
            line.assign(buffer_, start_, end - start_);
            start_ = end + 1;
            return true;
        }
        scanned = buffer_.size() - start_;
        if (ended_ || !Fill()) {
            ended_ = true;
            if (!error_.empty() || start_ >= buffer_.size()) return false;
            // The last line, without a newline.
            line.assign(buffer_, start_, std::string::npos);
            start_ = buffer_.size();
            return true;
        }
    }
}

}  // namespace velmora::cli
