// What the generators of the simulator's windows' pictures add to the
// shared picture helpers: each window's picture at its size from the
// window table, written into "bitmaps/VolSim/".
#pragma once
#include "Windows.h"
#include "picture_labels.h"

// Window id's size of grey, drawn over by draw, written as the window's
// picture into the program folder; 0, said on stderr, when it cannot be.
inline int write_window_picture(const std::string& folder, int id, void (*draw)(float dx, float dy))
{
    float dx, dy;
    window_size(id, &dx, &dy);
    memset(rgb_array, 0, sizeof rgb_array);
    OGL_fillrect(col_body, 0, 0, dx, dy);
    draw(dx, dy);
    std::string path = folder + "bitmaps/VolSim/" + window_background(id) + ".BMP";
    if (write_bmp(path.c_str(), rgb_array, (int)dx, (int)dy, 800)) return 1;
    fprintf(stderr, "cannot write %s\n", path.c_str());
    return 0;
}

// A generator's run: the program folder from its one argument, then each
// window's picture. 2 for a wrong call, 1 when a picture was not written.
struct window_picture {
    int id;
    void (*draw)(float dx, float dy);
};
inline int write_window_pictures(int argc, char** argv, const char* generator, const window_picture* pictures,
                                 int count)
{
    std::string folder;
    if (!program_folder_argument(argc, argv, generator, &folder)) return 2;
    assign_window_colours();
    to_array = 1;
    int ok = 1;
    for (int k = 0; k < count; k++) ok &= write_window_picture(folder, pictures[k].id, pictures[k].draw);
    return ok ? 0 : 1;
}
