// What the tests of tessary-cli share: a fixture with a folder of its own for
// the files a test writes, and a run of the command line that keeps what it
// wrote to standard output and standard error.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/commands.h"

namespace tessary::cli {

// Lines joined with CR LF, the last one ended too.
inline std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
        dir_ = std::filesystem::temp_directory_path() /
               ("tessary-cli-" + std::to_string(unit.random_seed()) + "-" +
                unit.current_test_info()->test_suite_name() + "-" + unit.current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Writes the bytes to a file of the folder and returns its path.
    std::string write(const std::string& name, const std::string& bytes) {
        const std::filesystem::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    int run(const Args& args) {
        out_.str("");
        err_.str("");
        return RunCli(args, out_, err_);
    }

    std::filesystem::path dir_;
    std::ostringstream out_;
    std::ostringstream err_;
};

}  // namespace tessary::cli
