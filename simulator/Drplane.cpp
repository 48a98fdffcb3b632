#include "Drplane.h"

#include <GL/gl.h>

// The aircraft are drawn once their mesh is built; until then the texture
// table's rebuild and the frame's drawing find nothing to do.
void load_plane_geo(int, int, int, int) {}
void plot_plane(int, int) {}

void heavy_light(float x, float y, float z, float r, float g, float b, float size)
{
    glPointSize(size + 0.01f);
    glColor3f(r, g, b);
    glBegin(GL_POINTS);
    glVertex3f(x, y, z);
    glEnd();
    glPointSize(1);
}
