// What a drawing sends to GL, as GL's feedback mode reports it, for the
// window tests that check vertices, colours and texture coordinates rather
// than pixels.
#pragma once

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <vector>

// One primitive of GL's feedback: its token and its vertices, each x, y, z
// in window coordinates, then the colour (4) and texture (4) floats when asked.
struct fb_prim {
    int token;
    std::vector<std::vector<float>> v;
};

// What draw sends, as GL's feedback reports it with vertices of type.
template <typename F>
std::vector<fb_prim> feedback(GLenum type, F draw)
{
    int size = type == GL_3D_COLOR_TEXTURE ? 11 : 7;   // RGBA
    static GLfloat buf[200000];
    glFeedbackBuffer(200000, type, buf);
    glRenderMode(GL_FEEDBACK);
    draw();
    int n = glRenderMode(GL_RENDER);
    std::vector<fb_prim> out;
    for (int k = 0; k < n;) {
        int token = (int)buf[k++];
        int count = 0;
        if (token == GL_POINT_TOKEN) count = 1;
        else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) count = 2;
        else if (token == GL_POLYGON_TOKEN) count = (int)buf[k++];
        else {
            ADD_FAILURE() << "feedback token " << token;
            break;
        }
        fb_prim p{token, {}};
        for (int c = 0; c < count; c++, k += size) p.v.emplace_back(buf + k, buf + k + size);
        out.push_back(p);
    }
    return out;
}
