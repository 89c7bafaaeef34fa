#pragma once
// Helpers for the layout tests: layouts written to a scratch folder, and the
// stdout lines a call prints.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "gui/gui.h"

namespace sorvanta::testing_gui {

// A fresh scratch folder per test, removed afterwards.
class ScratchDir {
 public:
  ScratchDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("sorvanta_gui_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
             std::to_string(::getpid()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() { std::filesystem::remove_all(path_); }
  std::string file(const std::string& name, const std::string& content) const {
    auto p = path_ / name;
    std::ofstream(p, std::ios::binary) << content;
    return p.string();
  }
  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// Runs fn and returns the lines it printed on standard output.
inline std::vector<std::string> StdoutLines(const std::function<void()>& fn) {
  ::testing::internal::CaptureStdout();
  fn();
  std::istringstream in(::testing::internal::GetCapturedStdout());
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

// The committed test images: btn.png 40x20 red, over.png 40x20 blue,
// panel.png 100x60 green.
inline std::string DataDir() { return std::string(SORVANTA_SOURCE_DIR) + "/tests/gui/data/"; }

}  // namespace sorvanta::testing_gui
