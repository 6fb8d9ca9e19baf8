// Scratch files for tests.
#pragma once

#include <string>

// A new empty directory for one test, removed by the caller with RemoveTree.
std::string MakeScratchDirectory();
void RemoveTree(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
