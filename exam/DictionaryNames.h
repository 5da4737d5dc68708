#pragma once
// File name rules of the dictionary commands.

#include <string>

// A name without an extension (no "." after the last "/") gets ".lxd".
std::string WithDictionaryExtension(const std::string& FileName);

// Whether two dictionary file names are the same, compared in upper case
// (ASCII letters), so a name differing only in case counts as the same file.
bool SameDictionaryName(const std::string& A, const std::string& B);
