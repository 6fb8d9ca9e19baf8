#include "dialogs/document_command.h"

#include <cstdio>
#include <cstring>

bool BuildDocumentCommand(const char* program, const char* document, const char* anchor, char* out,
                          size_t outSize) {
    if (anchor == nullptr)
        anchor = "";
    bool spaced = strchr(document, ' ') != nullptr || strchr(anchor, ' ') != nullptr;
    const char* quote = spaced ? "\"" : "";
    int written =
        snprintf(out, outSize, "\"%s\" %s%s%s%s", program, quote, document, anchor, quote);
    return written >= 0 && static_cast<size_t>(written) < outSize;
}
