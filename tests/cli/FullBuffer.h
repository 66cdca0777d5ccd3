#pragma once
// An output that takes `room` bytes and then fails every write, as a full
// disk does.

#include <streambuf>

namespace velmora::cli::test {

class FullBuffer : public std::streambuf {
public:
    explicit FullBuffer(std::size_t room) : room_(room) {}

protected:
    int_type overflow(int_type c) override {
        if (room_ == 0) return traits_type::eof();
        --room_;
        return c;
    }

private:
    std::size_t room_;
};

}  // namespace velmora::cli::test
