// Writing MORVEST.DAT from twelve month texts.
#pragma once

#include <string>

// The bytes of a database file: header, chunk-size table and the twelve month texts, each
// compressed as a zlib stream at the best level and scrambled with its month's key stream.
// Compression is deterministic, so the same texts always give the same file. False when a
// month text cannot be compressed.
bool BuildDatabaseBytes(const std::string monthTexts[12], std::string* out);
