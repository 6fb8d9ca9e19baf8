// Loading MORVEST.DAT: header, size table and twelve month chunks, read in sequence.
#include "database/database.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <zlib.h>

#include "settings/install_path.h"

char* MonthTexts[MonthCount];
size_t MonthTextSizes[MonthCount];

static void ClearMonthTexts() {
    for (int m = 0; m < MonthCount; ++m) {
        free(MonthTexts[m]);
        MonthTexts[m] = nullptr;
        MonthTextSizes[m] = 0;
    }
}

int FreeDatabase() {
    ClearMonthTexts();
    return 1;
}

int SetMonthText(int month, const char* text, size_t size) {
    if (month < 0 || month >= MonthCount || size > MaxMonthTextSize)
        return 0;
    char* block = static_cast<char*>(malloc(size + 1));
    if (block == nullptr)
        return 0;
    if (size > 0)
        memcpy(block, text, size);
    block[size] = '\0';
    free(MonthTexts[month]);
    MonthTexts[month] = block;
    MonthTextSizes[month] = size;
    return 1;
}

void UnscrambleChunk(unsigned char* buffer, size_t length, int month) {
    unsigned segment = static_cast<unsigned>(month) % 32u;
    size_t done = 0;
    while (done < length) {
        unsigned start = ScrambleStarts[segment];
        segment = (segment + 1) % 32u;
        for (unsigned k = start; k < 256 && done < length; ++k)
            buffer[done++] ^= ScrambleKey[k];
    }
}

int InflateChunk(const unsigned char* buffer, size_t length, unsigned char** output,
                 size_t* outputSize) {
    *output = nullptr;
    *outputSize = 0;
    z_stream stream;
    memset(&stream, 0, sizeof stream);
    if (inflateInit(&stream) != Z_OK)
        return 0;
    unsigned char window[InflateStep];
    unsigned char* result = nullptr;
    size_t size = 0, capacity = 0;
    bool failed = false;
    while (stream.total_in < length) {
        stream.next_in = const_cast<unsigned char*>(buffer) + stream.total_in;
        stream.avail_in = static_cast<uInt>(length - stream.total_in);
        stream.next_out = window;
        stream.avail_out = sizeof window;
        int status = inflate(&stream, Z_PARTIAL_FLUSH);
        size_t produced = sizeof window - stream.avail_out;
        if (size + produced > MaxMonthTextSize) {
            failed = true;
            break;
        }
        // The block keeps one byte more than the text for the closing zero of the month text;
        // it grows by doubling so that a long month is not copied again at every step.
        if (size + produced + 1 > capacity) {
            size_t grown = capacity == 0 ? 4 * InflateStep : 2 * capacity;
            while (grown < size + produced + 1)
                grown *= 2;
            unsigned char* larger = static_cast<unsigned char*>(realloc(result, grown));
            if (larger == nullptr) {
                failed = true;
                break;
            }
            result = larger;
            capacity = grown;
        }
        memcpy(result + size, window, produced);
        size += produced;
        if (status == Z_STREAM_END)
            break;
        if (status != Z_OK) {
            failed = true;
            break;
        }
    }
    if (inflateEnd(&stream) != Z_OK || failed || size == 0) {
        free(result);
        return 0;
    }
    result[size] = '\0';
    *output = result;
    *outputSize = size;
    return 1;
}

static uint32_t LittleEndian32(const unsigned char* bytes) {
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

// Bytes left in the file from the current position, or -1 when that cannot be told.
static long RemainingBytes(FILE* file) {
    long here = ftell(file);
    if (here < 0 || fseek(file, 0, SEEK_END) != 0)
        return -1;
    long end = ftell(file);
    if (end < 0 || fseek(file, here, SEEK_SET) != 0)
        return -1;
    return end - here;
}

int LoadDatabaseFile(const char* path) {
    ClearMonthTexts();
    FILE* file = fopen(path, "rb");
    if (file == nullptr)
        return 0;
    unsigned char header[DatabaseHeaderSize], table[DatabaseTableSize];
    bool ok = fread(header, 1, sizeof header, file) == sizeof header &&
              memcmp(header, DatabaseMagic, sizeof DatabaseMagic) == 0 &&
              fread(table, 1, sizeof table, file) == sizeof table;
    long remaining = ok ? RemainingBytes(file) : -1;
    ok = ok && remaining >= 0;
    for (int m = 0; ok && m < MonthCount; ++m) {
        size_t chunkSize = LittleEndian32(table + 4 * (DatabaseChunkSizeIndex + m));
        // A size beyond what the file still holds fails before anything is allocated.
        if (chunkSize == 0 || chunkSize > MaxChunkSize ||
            chunkSize > static_cast<unsigned long>(remaining)) {
            ok = false;
            break;
        }
        unsigned char* chunk = static_cast<unsigned char*>(malloc(chunkSize));
        unsigned char* text = nullptr;
        size_t textSize = 0;
        ok = chunk != nullptr && fread(chunk, 1, chunkSize, file) == chunkSize;
        if (ok) {
            remaining -= static_cast<long>(chunkSize);
            UnscrambleChunk(chunk, chunkSize, m);
            ok = InflateChunk(chunk, chunkSize, &text, &textSize);
        }
        if (ok) {
            // The decompressed block already ends in the closing zero: keep it as it is.
            MonthTexts[m] = reinterpret_cast<char*>(text);
            MonthTextSizes[m] = textSize;
        }
        free(chunk);
    }
    fclose(file);
    if (!ok)
        ClearMonthTexts();
    return ok ? 1 : 0;
}

int LoadDatabase() {
    return LoadDatabaseFile(InstallPath(DatabaseFileName));
}
