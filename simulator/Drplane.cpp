// Drawing the aircraft from its mesh: gear, parts with their moving
// surfaces, propellers and the navigation lights.
#include "Drplane.h"
#include <Drplane_records.h>

#include <GL/gl.h>

// Until the drawing is built the frame finds nothing to draw.
void plot_plane(int, int) {}
void clear_plane_run_state(void) {}

void load_pln(float x, float y, float z, float v[3])
{
    v[0] = x;
    v[1] = y;
    v[2] = z;
}

void heavy_light(float x, float y, float z, float r, float g, float b, float size)
{
    glPointSize(size + 0.01f);
    glColor3f(r, g, b);
    glBegin(GL_POINTS);
    glVertex3f(x, y, z);
    glEnd();
    glPointSize(1);
}
