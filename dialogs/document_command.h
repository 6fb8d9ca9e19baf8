// The command line that opens a document in the program the shell associates with it.
#pragma once

#include <cstddef>

// The program's path in quotes, one space, then the document's path with the anchor appended
// (nothing between them), quoted when it contains a space. Quoting the program keeps Windows
// from starting another program named by the first words of a path such as
// "C:\Program Files\...". False when the line does not fit in outSize.
bool BuildDocumentCommand(const char* program, const char* document, const char* anchor, char* out,
                          size_t outSize);
