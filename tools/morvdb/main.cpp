// morvdb: builds, takes apart and checks daybook databases (MORVEST.DAT).
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "database/database.h"
#include "tools/morvdb/dat_file.h"
#include "tools/morvdb/daybook_source.h"

namespace fs = std::filesystem;

static const char Usage[] =
    "usage: morvdb COMMAND ARGUMENTS\n"
    "\n"
    "Builds and checks the daybook database MORVEST.DAT.\n"
    "\n"
    "  morvdb compile SOURCE_DIR OUT.DAT   build a database from the twelve month files\n"
    "                                      (01-january.txt to 12-december.txt, UTF-8)\n"
    "  morvdb decompile IN.DAT OUT_DIR     write a database back as month files\n"
    "  morvdb check SOURCE_DIR             list missing and duplicate days and entries\n"
    "                                      that the programs would misread\n"
    "  morvdb --help                       show this text\n"
    "\n"
    "Each entry starts with a header line \":: D\", \":: D picture\", \":: D picture N\" or\n"
    "any of these followed by \"small\", and runs to the next header. Paragraphs are single\n"
    "lines separated by an empty line. Texts are stored in the Windows-1252 code page.\n"
    "Exit code 0 on success, 1 when the input has problems, 2 for a wrong command line.\n";

static void Report(const Problem& problem) {
    if (problem.line > 0)
        fprintf(stderr, "%s:%d: %s\n", problem.file.c_str(), problem.line, problem.message.c_str());
    else
        fprintf(stderr, "%s: %s\n", problem.file.c_str(), problem.message.c_str());
}

static bool ReadWholeFile(const fs::path& path, std::string* out) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::ostringstream buffer;
    buffer << file.rdbuf();
    *out = buffer.str();
    return !file.bad();
}

static bool WriteWholeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

// Reads and parses the twelve month files; problems go to the list.
static bool ReadSources(const fs::path& directory, std::vector<SourceEntry> months[12],
                        std::vector<Problem>* problems) {
    bool allRead = true;
    for (int m = 0; m < 12; ++m) {
        fs::path path = directory / MonthSourceName(m);
        std::string text;
        if (!ReadWholeFile(path, &text)) {
            problems->push_back({path.string(), 0, "cannot read the file"});
            allRead = false;
            continue;
        }
        months[m] = ParseMonthSource(path.string(), text, m, problems);
    }
    return allRead;
}

static int Compile(const fs::path& sourceDirectory, const fs::path& output) {
    std::vector<SourceEntry> months[12];
    std::vector<Problem> problems;
    ReadSources(sourceDirectory, months, &problems);
    // Missing days are allowed (the programs show a notice for them); anything else is not.
    for (int m = 0; m < 12; ++m) {
        std::vector<Problem> checks;
        CheckMonthEntries((sourceDirectory / MonthSourceName(m)).string(), m, months[m], &checks);
        for (const Problem& problem : checks)
            if (problem.kind != ProblemKind::MissingDay)
                problems.push_back(problem);
    }
    if (!problems.empty()) {
        for (const Problem& problem : problems)
            Report(problem);
        return 1;
    }
    std::string texts[12], bytes;
    for (int m = 0; m < 12; ++m)
        texts[m] = BuildMonthText(months[m]);
    if (!BuildDatabaseBytes(texts, &bytes)) {
        fprintf(stderr, "%s: a month text is too large to store\n", output.string().c_str());
        return 1;
    }
    if (!WriteWholeFile(output, bytes)) {
        fprintf(stderr, "%s: cannot write the file\n", output.string().c_str());
        return 1;
    }
    return 0;
}

static int Decompile(const fs::path& input, const fs::path& outputDirectory) {
    if (!LoadDatabaseFile(input.string().c_str())) {
        fprintf(stderr, "%s: not a readable daybook database\n", input.string().c_str());
        return 1;
    }
    std::string sources[12];
    for (int m = 0; m < 12; ++m) {
        std::vector<SourceEntry> entries;
        std::string error;
        std::string text(MonthTexts[m], MonthTextSizes[m]);
        if (!ParseMonthText(text, m, &entries, &error) ||
            !FormatMonthSource(entries, m, &sources[m], &error)) {
            fprintf(stderr, "%s: %s\n", input.string().c_str(), error.c_str());
            FreeDatabase();
            return 1;
        }
    }
    FreeDatabase();
    std::error_code ignored;
    fs::create_directories(outputDirectory, ignored);
    for (int m = 0; m < 12; ++m) {
        fs::path path = outputDirectory / MonthSourceName(m);
        if (!WriteWholeFile(path, sources[m])) {
            fprintf(stderr, "%s: cannot write the file\n", path.string().c_str());
            return 1;
        }
    }
    return 0;
}

static int Check(const fs::path& sourceDirectory) {
    std::vector<SourceEntry> months[12];
    std::vector<Problem> problems;
    ReadSources(sourceDirectory, months, &problems);
    size_t entries = 0;
    for (int m = 0; m < 12; ++m) {
        CheckMonthEntries((sourceDirectory / MonthSourceName(m)).string(), m, months[m], &problems);
        entries += months[m].size();
    }
    for (const Problem& problem : problems)
        Report(problem);
    printf("%zu entries, %zu problems\n", entries, problems.size());
    return problems.empty() ? 0 : 1;
}

int main(int argc, char** argv) {
    if (argc == 2 && (strcmp(argv[1], "--help") == 0 || strcmp(argv[1], "-h") == 0)) {
        fputs(Usage, stdout);
        return 0;
    }
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "compile" && argc == 4)
        return Compile(argv[2], argv[3]);
    if (command == "decompile" && argc == 4)
        return Decompile(argv[2], argv[3]);
    if (command == "check" && argc == 3)
        return Check(argv[2]);
    fputs(Usage, stderr);
    return 2;
}
