// The database loader against any file at all: it loads or fails, never more.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <unistd.h>

#include "database/database.h"
#include "database/day_entries.h"
#include "tools/morvdb/dat_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::string path = "/tmp/tavrin-database-fuzz-" + std::to_string(getpid()) + ".dat";
    FILE* file = fopen(path.c_str(), "wb");
    if (file == nullptr)
        return 0;
    fwrite(data, 1, size, file);
    fclose(file);
    if (LoadDatabaseFile(path.c_str())) {
        for (int m = 0; m < 12; ++m)
            for (int d = 0; d <= 32; ++d) {
                GetEntryText(m, d);
                DayDate date = {2000, static_cast<uint8_t>(d), static_cast<uint8_t>(m + 1)};
                GetPictureId(&date);
            }
    }
    FreeDatabase();
    return 0;
}

using namespace std::string_literals;

std::vector<std::string> FuzzSeeds() {
    std::string months[12], bytes;
    for (int m = 0; m < 12; ++m)
        months[m] = "1;101;First\0"
                    "2;*Second\n\nline\0"
                    "3;Third\0\0"s;
    BuildDatabaseBytes(months, &bytes);
    return {bytes, bytes.substr(0, 200), std::string("MRVSTDAT") + std::string(148, '\xff')};
}
