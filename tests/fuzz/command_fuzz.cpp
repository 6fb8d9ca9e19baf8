// The daybook's option search and the saver's command-line grammar against any command line.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/start_rules.h"
#include "saver/saver_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string line(reinterpret_cast<const char*>(data), size);
    line = line.c_str(); // as the system hands it: up to the first zero
    ResetStartOptions();
    ApplyCommandLine(line.c_str());
    for (uint32_t flag :
         {TimeoutsAllowed, StayOnTopAllowed, ClickToCloseAllowed, OpenCalendarAtStart})
        if (flag > 1)
            __builtin_trap();
    SaverCommand command = ParseSaverCommand(line.c_str());
    if (command.mode != 0 && strchr("scpa", command.mode) == nullptr)
        __builtin_trap();
    if (line.empty() && command.mode != 'c')
        __builtin_trap();
    // Without a digit there is no window number.
    if (line.find_first_of("0123456789") == std::string::npos && command.windowNumber != 0)
        __builtin_trap();
    return 0;
}

std::vector<std::string> FuzzSeeds() {
    return {"/s",
            "-S",
            "s",
            "/sx",
            "/p 1234",
            "/p:1234",
            "/P1234",
            "/c:1234",
            "/a",
            "/a 1234",
            "",
            "/x",
            "/p 99999999999999999999",
            "/NOTIMEOUT",
            "/notimeouts /NOSTAYONTOP",
            "/NOCLICKTOCLOSE /OPENCALENDAR /SCREENSAVER",
            std::string(3000, '/') + "/NOTIMEOUT"};
}
