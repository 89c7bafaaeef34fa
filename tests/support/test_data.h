#pragma once
// Paths of the files the tests read from tests/data/; a missing one fails the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace sorvanta::test {

// The path of name ("pngsuite/basn6a08.png") inside tests/data/. A file that is
// not there fails the running test, so no test can pass for want of its data.
inline std::string TestData(const std::string& name) {
  const std::string path = std::string(SORVANTA_TESTDATA_DIR) + "/" + name;
  if (!std::filesystem::exists(path)) ADD_FAILURE() << "Test data missing: " << path;
  return path;
}

}  // namespace sorvanta::test
