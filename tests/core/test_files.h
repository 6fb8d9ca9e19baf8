// Scratch files and moments of local time for tests.
#pragma once

#include <ctime>
#include <string>

// A new empty directory for one test, removed by the caller with RemoveTree.
std::string MakeScratchDirectory();
void RemoveTree(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);

// A moment of local time as the clock hands it over, with the weekday worked out from the date.
struct tm Moment(int year, int month, int day, int hour, int minute, int second);
