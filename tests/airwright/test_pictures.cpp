// What the design screens stand on, as shipped: every window of both sets
// finds its picture at the window's own size, and every body of the shipped
// aircraft fits inside its screen's section grids.
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "Init.h"
#include "program.h"
#include "test_support.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

uint32_t le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | (uint32_t)p[3] << 24; }

}  // namespace

// A picture missing or of another size leaves a screen's captions off its
// fields: the screen draws its values at fixed places over the picture.
TEST(AirwrightPictures, EveryWindowOfBothSetsHasItsPictureAtItsSize)
{
    reset_suite_state();
    int windows = 0;
    for (int heli : {0, 1}) {
        pln[0].is_heli = heli;
        for (int id = win_viewpoint; id < 400; id++) {
            const airwright_window* w = find_airwright_window(id);
            if (!w) continue;
            windows++;
            std::string path = std::string(PROGRAM_DIR) + "bitmaps/" + picture_folder + w->picture + ".BMP";
            SCOPED_TRACE(std::string(heli ? "helicopter " : "airplane ") + w->window.title + ": " + path);
            FILE* f = fopen(path.c_str(), "rb");
            ASSERT_NE(f, nullptr);
            unsigned char head[54] = {0};
            size_t got = fread(head, 1, sizeof head, f);
            fseek(f, 0, SEEK_END);
            long bytes = ftell(f);
            fclose(f);
            ASSERT_EQ(got, sizeof head);
            EXPECT_EQ(head[0], 'B');
            EXPECT_EQ(head[1], 'M');
            uint32_t width = le32(head + 18), height = le32(head + 22);
            EXPECT_EQ(width, (uint32_t)w->window.dx);
            EXPECT_EQ(height, (uint32_t)w->window.dy);
            EXPECT_EQ(head[28], 24);
            // The rows are all there, each padded to four bytes.
            long row = ((long)width * 3 + 3) & ~3L;
            EXPECT_GE(bytes, 54 + row * (long)height);
        }
    }
    // Both sets were walked (a table that found nothing would pass above).
    EXPECT_GT(windows, 40);
}

// A body screen holds every point to its grid width after an edit: a shipped
// body wider than its grid would be clipped the first time it is edited.
TEST(AirwrightPictures, ShippedBodiesFitInsideTheirGrids)
{
    static const char* const planes[] = {
        "planes/General Aviation/Cessna 172 Skyhawk/Cessna 172 Skyhawk.acf",
        "planes/System Planes (don't move)/Husky/Husky.acf",
        "planes/System Planes (don't move)/B-52H Stratofortress/B-52H Stratofortress.acf",
    };
    for (const char* name : planes) {
        reset_suite_state();
        std::string path = std::string(PROGRAM_DIR) + name;
        ASSERT_EQ(1, read_plane_file(0, path.c_str(), plane_read_damaged)) << name;
        const planestruct& a = pln[0];
        for (int part = part_fuselage; part <= part_fairing_last; part++) {
            float r = a.body_r[part];
            for (int st = 0; st < f_body_s_dim(part, 0); st++) {
                for (int k = 0; k < f_body_r_dim(part); k++) {
                    EXPECT_LE(fabsf(a.body_X[part][st][k]), r) << name << " part " << part << " station " << st;
                    EXPECT_LE(fabsf(a.body_Y[part][st][k]), r) << name << " part " << part << " station " << st;
                }
            }
        }
    }
}
