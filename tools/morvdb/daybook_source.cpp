#include "tools/morvdb/daybook_source.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>

#include "database/database.h"
#include "database/day_entries.h"

namespace {

const char* const MonthFileNames[12] = {"january",   "february", "march",    "april",
                                        "may",       "june",     "july",     "august",
                                        "september", "october",  "november", "december"};

// Unicode code points of Windows-1252 bytes 0x80 to 0x9F; 0 where the byte is undefined.
const unsigned HighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                   0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Windows-1252 byte of a code point, or -1. Line feeds pass; other controls do not.
int ByteOfCodePoint(unsigned code) {
    if (code == '\n' || (code >= 0x20 && code < 0x7F) || (code >= 0xA0 && code <= 0xFF))
        return static_cast<int>(code);
    for (int i = 0; i < 32; ++i)
        if (HighControls[i] != 0 && HighControls[i] == code)
            return 0x80 + i;
    return -1;
}

std::string Describe(unsigned code) {
    char buffer[32];
    snprintf(buffer, sizeof buffer, "U+%04X", code);
    return buffer;
}

bool IsValidPictureCode(int code) {
    int month = code / 100, day = code % 100;
    return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonthOfDaybook(month - 1);
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// Reads "D", "D picture", "D picture N", each optionally followed by "small".
bool ParseHeader(const std::string& header, int month, SourceEntry* entry, std::string* error) {
    std::istringstream words(header);
    std::string word;
    std::vector<std::string> parts;
    while (words >> word)
        parts.push_back(word);
    auto number = [](const std::string& text, int* value) {
        if (text.empty() || text.size() > 4 || text[0] == '0')
            return false;
        for (char c : text)
            if (c < '0' || c > '9')
                return false;
        *value = std::stoi(text);
        return true;
    };
    if (parts.empty() || !number(parts[0], &entry->day)) {
        *error = "a header needs a day number: \":: D\"";
        return false;
    }
    if (entry->day > DaysInMonthOfDaybook(month)) {
        *error = "day " + parts[0] + " does not exist in " + MonthNames[month];
        return false;
    }
    size_t next = 1;
    if (next < parts.size() && parts[next] == "picture") {
        entry->picture = (month + 1) * 100 + entry->day;
        ++next;
        int code = 0;
        if (next < parts.size() && number(parts[next], &code)) {
            if (!IsValidPictureCode(code)) {
                *error = "picture " + parts[next] + " is not a date code (month * 100 + day)";
                return false;
            }
            entry->picture = code;
            ++next;
        }
    }
    if (next < parts.size() && parts[next] == "small") {
        entry->small = true;
        ++next;
    }
    if (next != parts.size()) {
        *error =
            "unexpected \"" + parts[next] + "\" in header (use: \":: D [picture [N]] [small]\")";
        return false;
    }
    return true;
}

} // namespace

std::string MonthSourceName(int month) {
    char buffer[32];
    snprintf(buffer, sizeof buffer, "%02d-%s.txt", month + 1, MonthFileNames[month]);
    return buffer;
}

int DaysInMonthOfDaybook(int month) {
    static const int days[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 0 && month < 12 ? days[month] : 0;
}

bool Utf8ToWindows1252(const std::string& utf8, std::string* out, std::string* error) {
    out->clear();
    const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const unsigned char* end = p + utf8.size();
    while (p < end) {
        unsigned code;
        int extra;
        if (*p < 0x80) {
            code = *p;
            extra = 0;
        } else if ((*p & 0xE0) == 0xC0) {
            code = *p & 0x1F;
            extra = 1;
        } else if ((*p & 0xF0) == 0xE0) {
            code = *p & 0x0F;
            extra = 2;
        } else if ((*p & 0xF8) == 0xF0) {
            code = *p & 0x07;
            extra = 3;
        } else {
            *error = "invalid UTF-8";
            return false;
        }
        if (end - p <= extra) {
            *error = "invalid UTF-8";
            return false;
        }
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                *error = "invalid UTF-8";
                return false;
            }
            code = (code << 6) | (p[i] & 0x3F);
        }
        static const unsigned smallest[4] = {0, 0x80, 0x800, 0x10000};
        if (code < smallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            *error = "invalid UTF-8";
            return false;
        }
        int byte = ByteOfCodePoint(code);
        if (byte < 0) {
            *error =
                "character " + Describe(code) + " cannot be stored in the Windows-1252 code page";
            return false;
        }
        out->push_back(static_cast<char>(byte));
        p += extra + 1;
    }
    return true;
}

bool Windows1252ToUtf8(const std::string& text, std::string* out) {
    out->clear();
    for (unsigned char byte : text) {
        unsigned code = byte;
        if (byte >= 0x80 && byte < 0xA0) {
            code = HighControls[byte - 0x80];
            if (code == 0)
                return false;
        }
        if (code < 0x80) {
            out->push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out->push_back(static_cast<char>(0xC0 | (code >> 6)));
            out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out->push_back(static_cast<char>(0xE0 | (code >> 12)));
            out->push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return true;
}

std::vector<SourceEntry> ParseMonthSource(const std::string& fileName, const std::string& utf8,
                                          int month, std::vector<Problem>* problems) {
    std::vector<SourceEntry> entries;
    std::vector<std::string> lines = SplitLines(utf8);
    SourceEntry* current = nullptr;
    bool currentValid = false;
    std::vector<std::string> body;
    auto finish = [&]() {
        if (current == nullptr)
            return;
        while (!body.empty() && body.back().empty())
            body.pop_back();
        size_t first = 0;
        while (first < body.size() && body[first].empty())
            ++first;
        std::string text;
        for (size_t i = first; i < body.size(); ++i)
            text += (i > first ? "\n" : "") + body[i];
        current->text = text;
        // The daybook takes a leading "*" as the small-font mark and drops it, so such a text
        // would not show as written; the header's "small" asks for the smaller font.
        bool starred = !text.empty() && text[0] == '*';
        if (starred)
            problems->push_back({fileName, current->line + 1 + static_cast<int>(first),
                                 "a text cannot begin with \"*\", which the daybook takes as "
                                 "the small-font mark (use \"small\" in the header)"});
        if (text.empty())
            problems->push_back({fileName, current->line, "the entry has no text"});
        if (!currentValid || text.empty() || starred)
            entries.pop_back();
        body.clear();
        current = nullptr;
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        int lineNumber = static_cast<int>(i + 1);
        if (line.compare(0, 2, "::") == 0) {
            finish();
            entries.emplace_back();
            current = &entries.back();
            current->line = lineNumber;
            std::string error;
            currentValid = ParseHeader(line.substr(2), month, current, &error);
            if (!currentValid)
                problems->push_back({fileName, lineNumber, error});
            continue;
        }
        std::string converted, error;
        // A refused line still counts as text, so one bad character gives one message.
        if (!Utf8ToWindows1252(line, &converted, &error)) {
            problems->push_back({fileName, lineNumber, error});
            converted = "?";
        } else if (converted.find(';') != std::string::npos) {
            problems->push_back({fileName, lineNumber,
                                 "a semicolon cannot stand in an entry text (it separates the "
                                 "day and picture number from the text)"});
        }
        if (current == nullptr) {
            if (!line.empty())
                problems->push_back(
                    {fileName, lineNumber, "text before the first \":: D\" header"});
            continue;
        }
        body.push_back(converted);
    }
    finish();
    return entries;
}

std::string EntryRecord(const SourceEntry& entry) {
    std::string record = std::to_string(entry.day) + ";";
    if (entry.picture != 0)
        record += std::to_string(entry.picture) + ";";
    if (entry.small)
        record += "*";
    return record + entry.text;
}

std::string BuildMonthText(const std::vector<SourceEntry>& entries) {
    std::string text;
    for (const SourceEntry& entry : entries) {
        text += EntryRecord(entry);
        text.push_back('\0');
    }
    text.push_back('\0');
    return text;
}

bool ParseMonthText(const std::string& monthText, int month, std::vector<SourceEntry>* entries,
                    std::string* error) {
    entries->clear();
    size_t position = 0;
    int index = 0;
    while (true) {
        size_t end = monthText.find('\0', position);
        if (end == std::string::npos) {
            *error = "the month text does not end with an empty entry";
            return false;
        }
        std::string record = monthText.substr(position, end - position);
        position = end + 1;
        if (record.empty())
            break;
        ++index;
        SourceEntry entry;
        size_t first = record.find(';');
        size_t last = record.rfind(';');
        bool ok = first != std::string::npos && first > 0 && first <= 2;
        for (size_t i = 0; ok && i < first; ++i)
            ok = record[i] >= '0' && record[i] <= '9';
        if (ok) {
            entry.day = std::stoi(record.substr(0, first));
            if (last != first) {
                std::string picture = record.substr(first + 1, last - first - 1);
                ok = !picture.empty() && picture.size() <= 4 &&
                     picture.find_first_not_of("0123456789") == std::string::npos;
                entry.picture = ok ? std::stoi(picture) : 0;
                ok = ok && IsValidPictureCode(entry.picture);
            }
            std::string text = record.substr(last + 1);
            if (ok && !text.empty() && text[0] == '*') {
                entry.small = true;
                text.erase(0, 1);
            }
            entry.text = text;
        }
        // The source form must give back exactly these bytes.
        if (!ok || EntryRecord(entry) != record || entry.text.empty()) {
            *error = std::string(MonthNames[month]) + ", entry " + std::to_string(index) +
                     ": not in the form \"day;[picture;][*]text\" that the source can express";
            return false;
        }
        entries->push_back(entry);
    }
    if (position != monthText.size()) {
        *error = std::string(MonthNames[month]) + ": bytes after the closing empty entry";
        return false;
    }
    return true;
}

bool FormatMonthSource(const std::vector<SourceEntry>& entries, int month, std::string* utf8,
                       std::string* error) {
    utf8->clear();
    for (size_t i = 0; i < entries.size(); ++i) {
        const SourceEntry& entry = entries[i];
        std::string text;
        bool expressible = !entry.text.empty() && entry.text.front() != '\n' &&
                           entry.text.back() != '\n' && entry.text.find(';') == std::string::npos;
        for (unsigned char c : entry.text)
            expressible = expressible && (c == '\n' || (c >= 0x20 && c != 0x7F));
        if (!expressible || !Windows1252ToUtf8(entry.text, &text)) {
            *error = "day " + std::to_string(entry.day) +
                     ": the text holds characters the source form cannot express";
            return false;
        }
        for (const std::string& line : SplitLines(entry.text + "\n")) {
            if (line.compare(0, 2, "::") == 0) {
                *error = "day " + std::to_string(entry.day) + ": a text line begins with \"::\"";
                return false;
            }
        }
        if (i > 0)
            *utf8 += "\n";
        *utf8 += ":: " + std::to_string(entry.day);
        if (entry.picture == (month + 1) * 100 + entry.day)
            *utf8 += " picture";
        else if (entry.picture != 0)
            *utf8 += " picture " + std::to_string(entry.picture);
        if (entry.small)
            *utf8 += " small";
        *utf8 += "\n" + text + "\n";
    }
    return true;
}

void CheckMonthEntries(const std::string& fileName, int month,
                       const std::vector<SourceEntry>& entries, std::vector<Problem>* problems) {
    std::map<int, const SourceEntry*> firstOfDay;
    for (const SourceEntry& entry : entries) {
        auto known = firstOfDay.find(entry.day);
        if (known != firstOfDay.end())
            problems->push_back({fileName, entry.line,
                                 "day " + std::to_string(entry.day) +
                                     " has a second entry; the one on line " +
                                     std::to_string(known->second->line) + " wins"});
        else
            firstOfDay[entry.day] = &entry;
    }
    for (int day = 1; day <= DaysInMonthOfDaybook(month); ++day)
        if (firstOfDay.count(day) == 0)
            problems->push_back({fileName, 0, "day " + std::to_string(day) + " has no entry",
                                 ProblemKind::MissingDay});

    // Read every entry back through the programs' own lookups, so that anything they would
    // misread (a text that starts with a number, a stray semicolon) shows up here.
    std::string monthText = BuildMonthText(entries);
    MonthText lookup = {monthText.c_str(), monthText.size()};
    if (monthText.size() <= MaxMonthTextSize) {
        for (const auto& item : firstOfDay) {
            const SourceEntry& entry = *item.second;
            std::string expectedText = (entry.small ? "*" : "") + entry.text;
            DayDate date = {2000, static_cast<uint8_t>(entry.day), static_cast<uint8_t>(month + 1)};
            int expectedPicture =
                DayPictureBase +
                (entry.picture != 0 ? entry.picture : (month + 1) * 100 + entry.day);
            const char* shown = EntryTextIn(lookup, entry.day);
            int picture = PictureIdIn(lookup, &date);
            if (expectedText != shown)
                problems->push_back({fileName, entry.line,
                                     "day " + std::to_string(entry.day) +
                                         ": the programs would show a different text"});
            if (picture != expectedPicture)
                problems->push_back({fileName, entry.line,
                                     "day " + std::to_string(entry.day) +
                                         ": the text begins with a number above 100, which the "
                                         "programs read as picture number " +
                                         std::to_string(picture)});
        }
    }
}
