// The month source parser and checker against any text, and the round trip of whatever parses.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/morvdb/daybook_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<Problem> problems;
    std::vector<SourceEntry> entries = ParseMonthSource("fuzz.txt", text, 1, &problems);
    CheckMonthEntries("fuzz.txt", 1, entries, &problems);
    // Anything that parsed cleanly must come back the same way through the stored form.
    std::string monthText = BuildMonthText(entries), source, error;
    std::vector<SourceEntry> back;
    if (ParseMonthText(monthText, 1, &back, &error) &&
        FormatMonthSource(back, 1, &source, &error)) {
        std::vector<Problem> again;
        std::vector<SourceEntry> reparsed = ParseMonthSource("fuzz.txt", source, 1, &again);
        if (!again.empty() || BuildMonthText(reparsed) != monthText)
            __builtin_trap();
    }
    return 0;
}

std::vector<std::string> FuzzSeeds() {
    return {
        ":: 1\nOne.\n\n:: 2 picture\nTwo.\n\n:: 3 picture 1225 small\nThree \xe2\x80\x94 dash.\n",
        ":: 29\n1969\n", "::\n", ":: 1 small picture\nx\n"};
}
