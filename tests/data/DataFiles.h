#pragma once
// Where the shipped files are: the build tree (LEXIDRILL_BUILD_DIR) holds them
// beside the programs, the sources (LEXIDRILL_SOURCE_DIR) hold what they are
// made from. ctest sets both.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

inline std::string FromEnvironment(const char* Name) {
  const char* v = std::getenv(Name);
  return v ? std::string(v) + "/" : std::string();
}

inline std::string BuildPath(const std::string& Relative = "") {
  std::string dir = FromEnvironment("LEXIDRILL_BUILD_DIR");
  EXPECT_FALSE(dir.empty()) << "LEXIDRILL_BUILD_DIR is not set";
  return dir + Relative;
}

inline std::string SourcePath(const std::string& Relative = "") {
  std::string dir = FromEnvironment("LEXIDRILL_SOURCE_DIR");
  EXPECT_FALSE(dir.empty()) << "LEXIDRILL_SOURCE_DIR is not set";
  return dir + Relative;
}

// The whole file; empty when it cannot be read.
inline std::string ReadBytes(const std::string& FileName) {
  std::ifstream in(FileName, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}
