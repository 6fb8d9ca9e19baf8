#include "tools/morvdb/dat_file.h"

#include <vector>

#include <zlib.h>

#include "database/database.h"

static void PutLittleEndian32(std::string* out, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        (*out)[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

bool BuildDatabaseBytes(const std::string monthTexts[12], std::string* out) {
    out->assign(DatabaseChunksOffset, '\0');
    out->replace(0, sizeof DatabaseMagic, DatabaseMagic, sizeof DatabaseMagic);
    for (int m = 0; m < MonthCount; ++m) {
        const std::string& text = monthTexts[m];
        if (text.empty() || text.size() > MaxMonthTextSize)
            return false;
        uLongf size = compressBound(static_cast<uLong>(text.size()));
        std::vector<unsigned char> chunk(size);
        if (compress2(chunk.data(), &size, reinterpret_cast<const Bytef*>(text.data()),
                      static_cast<uLong>(text.size()), Z_BEST_COMPRESSION) != Z_OK ||
            size > MaxChunkSize)
            return false;
        UnscrambleChunk(chunk.data(), size, m);
        PutLittleEndian32(out, DatabaseHeaderSize + 4 * (DatabaseChunkSizeIndex + m),
                          static_cast<uint32_t>(size));
        out->append(reinterpret_cast<const char*>(chunk.data()), size);
    }
    return true;
}
