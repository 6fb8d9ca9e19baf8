// The readable source of a daybook: one UTF-8 text file per month (see content/README.md), and
// its conversion to and from the month texts stored in MORVEST.DAT.
#pragma once

#include <string>
#include <vector>

struct SourceEntry {
    int day = 0;
    int picture = 0;    // 0: the common picture; otherwise the picture code (month*100 + day)
    bool small = false; // shown in the smaller entry font
    std::string text;   // Windows-1252, paragraphs separated by an empty line
    int line = 0;       // header line in the source file
};

// A gap (a day without an entry) is allowed in a database, where the programs show a notice
// for it; every other problem stops a compile.
enum class ProblemKind { Fault, MissingDay };

struct Problem {
    std::string file;
    int line = 0; // 0 when the problem is not on one line
    std::string message;
    ProblemKind kind = ProblemKind::Fault;
};

// "01-january.txt" and so on, for month index 0 to 11.
std::string MonthSourceName(int month);
int DaysInMonthOfDaybook(int month); // February has 29

// UTF-8 to Windows-1252; false, with the offending line, for bytes that are not UTF-8 or
// characters the code page cannot hold.
bool Utf8ToWindows1252(const std::string& utf8, std::string* out, std::string* error);
// Windows-1252 to UTF-8; false for the five byte values the code page leaves undefined.
bool Windows1252ToUtf8(const std::string& text, std::string* out);

// Parses one month's source. Problems that make the source unusable (bad header, a character
// that cannot be stored) are appended to problems; entries that parse are returned.
std::vector<SourceEntry> ParseMonthSource(const std::string& fileName, const std::string& utf8,
                                          int month, std::vector<Problem>* problems);

// The entry as stored: "day;[picture;][*]text".
std::string EntryRecord(const SourceEntry& entry);
// The month text: every record with its zero byte, then the empty entry.
std::string BuildMonthText(const std::vector<SourceEntry>& entries);

// The opposite direction: a stored month text as entries. Fails, with a reason, when the text
// holds anything the source form cannot express exactly.
bool ParseMonthText(const std::string& monthText, int month, std::vector<SourceEntry>* entries,
                    std::string* error);
// The canonical UTF-8 source of a month (entries already hold Windows-1252 text).
bool FormatMonthSource(const std::vector<SourceEntry>& entries, int month, std::string* utf8,
                       std::string* error);

// Every problem of a month's entries: missing and duplicate days, and entries that the
// programs' own lookups would misread.
void CheckMonthEntries(const std::string& fileName, int month,
                       const std::vector<SourceEntry>& entries, std::vector<Problem>* problems);
