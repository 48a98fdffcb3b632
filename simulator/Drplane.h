// The aircraft in the outside view: the render mesh and paint of the two
// aircraft slots, and their drawing.
#pragma once

// Rebuilds slot p's mesh from pln[p]; load_tex loads its paint textures,
// write_template writes the paint templates, touch_up retouches them.
void load_plane_geo(int load_tex, int write_template, int touch_up, int p);
// The aircraft at the modelview's origin, turned to its attitude; is_second
// for slot 1, close when it fills enough of the view for detail.
void plot_plane(int is_second, int close);
// One point of colour (r, g, b) at (x, y, z), size + 0.01 pixels across;
// the point size is 1 again afterwards. Between no glBegin and glEnd.
void heavy_light(float x, float y, float z, float r, float g, float b, float size);
