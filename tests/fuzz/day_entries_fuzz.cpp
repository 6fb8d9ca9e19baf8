// The day lookups against any month text, including ones without a closing empty entry.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "database/database.h"
#include "database/day_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!SetMonthText(3, reinterpret_cast<const char*>(data), size))
        return 0;
    for (int day = 0; day <= 40; ++day) {
        const char* text = GetEntryText(3, day);
        char* edit = ToEditText(text);
        free(edit);
        DayDate date = {2000, static_cast<uint8_t>(day), 4};
        GetPictureId(&date);
    }
    FreeDatabase();
    return 0;
}

using namespace std::string_literals;

std::vector<std::string> FuzzSeeds() {
    return {"1;One\0"
            "2;150;Two\0"
            "3;*Three\n\nmore\0\0"s,
            "5;1961 was", "x;bad\0"s};
}
