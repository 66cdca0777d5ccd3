#include "cli/LineSource.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace velmora::cli::test {
namespace {

std::vector<std::string> AllLines(LineSource& source) {
    std::vector<std::string> lines;
    for (std::string line; source.Next(line);) lines.push_back(line);
    return lines;
}

TEST(DescriptorLines, SplitsLikeGetline) {
    const std::string big(200'000, 'x');  // longer than one read
    const struct {
        const char* what;
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"empty", "", {}},
        {"one line", "a\n", {"a"}},
        {"no final newline", "a\nb", {"a", "b"}},
        {"empty lines", "\n\na\n", {"", "", "a"}},
        {"a line longer than a read", "a\n" + big + "\nb\n", {"a", big, "b"}},
        {"carriage returns stay", "a\r\n", {"a\r"}},
    };
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "velmora-lines.txt";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::ofstream(file, std::ios::binary) << c.text;
        const int fd = ::open(file.c_str(), O_RDONLY);
        ASSERT_GE(fd, 0);
        DescriptorLines lines(fd);
        EXPECT_EQ(AllLines(lines), c.lines);
        EXPECT_EQ(lines.Error(), "");
        ::close(fd);
        // The same as a stream gives them.
        std::istringstream in(c.text);
        StreamLines stream(in);
        EXPECT_EQ(AllLines(stream), c.lines);
    }
    std::filesystem::remove(file);
}

// A line longer than the limit comes out empty and marked, its bytes counted
// but never held; the lines around it are whole.
TEST(DescriptorLines, TooLongLinesAreSkippedWithoutBeingHeld) {
    const std::string big(300'000, 'y');  // several reads
    const struct {
        const char* what;
        std::string text;
        std::vector<std::string> lines;
        std::vector<bool> tooLong;
    } cases[] = {
        {"at the limit", std::string(10, 'a') + "\n", {std::string(10, 'a')}, {false}},
        {"one past it", std::string(11, 'a') + "\nb\n", {"", "b"}, {true, false}},
        {"long, between two", "a\n" + big + "\nb", {"a", "", "b"}, {false, true, false}},
        {"long and last, no newline", "a\n" + big, {"a", ""}, {false, true}},
    };
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "velmora-long-lines.txt";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::ofstream(file, std::ios::binary) << c.text;
        const int fd = ::open(file.c_str(), O_RDONLY);
        ASSERT_GE(fd, 0);
        DescriptorLines descriptor(fd);
        std::istringstream in(c.text);
        StreamLines stream(in);
        for (LineSource* source : {static_cast<LineSource*>(&descriptor), static_cast<LineSource*>(&stream)}) {
            source->SetMaxLineBytes(10);
            std::vector<std::string> lines;
            std::vector<bool> tooLong;
            for (std::string line; source->Next(line);) {
                lines.push_back(line);
                tooLong.push_back(source->TooLong());
            }
            EXPECT_EQ(lines, c.lines);
            EXPECT_EQ(tooLong, c.tooLong);
            EXPECT_EQ(source->BytesRead(), c.text.size());
            EXPECT_EQ(source->Error(), "");
        }
        ::close(fd);
    }
    std::filesystem::remove(file);
}

TEST(DescriptorLines, ReadErrorsAreNotTheEnd) {
    for (const char* path : {"/tmp", "/proc/self/mem"}) {
        SCOPED_TRACE(path);
        const int fd = ::open(path, O_RDONLY);
        ASSERT_GE(fd, 0);
        DescriptorLines lines(fd);
        std::string line;
        EXPECT_FALSE(lines.Next(line));
        EXPECT_FALSE(lines.Error().empty());
        ::close(fd);
    }
}

}  // namespace
}  // namespace velmora::cli::test
