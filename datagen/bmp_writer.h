// The one BMP writer of the data generators: every shipped picture and texture
// is written as the loader reads it: "BM", a 54-byte header, no palette,
// 24-bit rows bottom-up, each padded to 4 bytes.
#pragma once
#include <cstdio>
#include <vector>

inline void put16(unsigned char* p, unsigned v)
{
    p[0] = (unsigned char)(v & 255);
    p[1] = (unsigned char)((v >> 8) & 255);
}

inline void put32(unsigned char* p, unsigned v)
{
    put16(p, v & 0xffff);
    put16(p + 2, v >> 16);
}

// Writes the w x h picture at rgb (r, g, b bytes a pixel, the bottom row
// first, each row stride pixels after the one below) to path. 1 when the
// whole file was written; the caller reports a failure.
inline int write_bmp(const char* path, const unsigned char* rgb, int w, int h, int stride)
{
    FILE* f = fopen(path, "wb");
    if (!f) return 0;
    int row_bytes = (w * 3 + 3) & ~3;
    unsigned char head[54] = {0};
    head[0] = 'B';
    head[1] = 'M';
    put32(head + 2, (unsigned)(54 + row_bytes * h));
    put32(head + 10, 54);
    put32(head + 14, 40);
    put32(head + 18, (unsigned)w);
    put32(head + 22, (unsigned)h);
    put16(head + 26, 1);
    put16(head + 28, 24);
    put32(head + 34, (unsigned)(row_bytes * h));
    put32(head + 38, 2835);
    put32(head + 42, 2835);
    int ok = fwrite(head, 1, sizeof head, f) == sizeof head;
    std::vector<unsigned char> row((size_t)row_bytes, 0);
    for (int r = 0; r < h && ok; r++) {
        for (int c = 0; c < w; c++) {
            const unsigned char* s = rgb + ((size_t)r * stride + c) * 3;
            row[c * 3] = s[2];
            row[c * 3 + 1] = s[1];
            row[c * 3 + 2] = s[0];
        }
        ok = fwrite(row.data(), 1, row.size(), f) == row.size();
    }
    if (fclose(f) != 0) ok = 0;
    return ok;
}
