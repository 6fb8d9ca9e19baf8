// MORVEST.DAT: twelve scrambled zlib streams of month texts, loaded whole at start-up.
#pragma once

#include <cstddef>
#include <cstdint>

const char DatabaseFileName[] = "MORVEST.DAT";
const char DatabaseMagic[8] = {'M', 'R', 'V', 'S', 'T', 'D', 'A', 'T'};
const size_t DatabaseHeaderSize = 12;
const size_t DatabaseTableSize = 144; // 36 little-endian integers, the last 12 are chunk sizes
const size_t DatabaseChunkSizeIndex = 24;
const size_t DatabaseChunksOffset = DatabaseHeaderSize + DatabaseTableSize;
const int MonthCount = 12;

// Limits that keep a damaged or hostile file from exhausting memory. The real month texts are
// a few tens of kilobytes.
const size_t MaxMonthTextSize = 4u << 20;
const size_t MaxChunkSize = 4u << 20;
const size_t InflateStep = 8192;

// The decompressed month texts, January first. Each block holds exactly the bytes of the month
// text, followed by one zero byte that is not counted in MonthTextSizes, so a text that lacks
// its closing empty entry still ends safely.
extern char* MonthTexts[MonthCount];
extern size_t MonthTextSizes[MonthCount];

extern const unsigned char ScrambleKey[256];
extern const unsigned char ScrambleStarts[32];

// Loads InstallPath("MORVEST.DAT"). Non-zero on success; on failure every slot is empty.
int LoadDatabase();
// Loads a database file by path, with the same rules.
int LoadDatabaseFile(const char* path);
// Frees every month text; returns non-zero.
int FreeDatabase();

// Stores a copy of a month text in slot month (replacing what was there). Non-zero on success.
int SetMonthText(int month, const char* text, size_t size);

// XORs the key stream of a month over the buffer; the same call scrambles and unscrambles.
void UnscrambleChunk(unsigned char* buffer, size_t length, int month);

// Decompresses one zlib stream in 8192-byte steps. On success returns non-zero and a malloc'd
// block in *output (free it) of *outputSize bytes followed by one zero byte; fails on a damaged
// stream, on no output, and on output beyond MaxMonthTextSize.
int InflateChunk(const unsigned char* buffer, size_t length, unsigned char** output,
                 size_t* outputSize);
