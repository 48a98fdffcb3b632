// What a drawing sends to GL, as GL's feedback mode reports it, for the
// window tests that check vertices, colours and texture coordinates rather
// than pixels.
#pragma once

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <cmath>
#include <functional>
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

// ---- the panel's textured quads and needles --------------------------------------

const double deg = M_PI / 180;

// Colour index k has red (k + 1) / 100: a vertex's red tells its colour.
inline int colour_of(const std::vector<float>& v) { return (int)lround(v[3] * 100) - 1; }

// One textured quad of the feedback: its distinct corners, each x, y, s, t.
struct quad {
    std::vector<std::vector<float>> corner;
    int colour;
};

// The textured quads draw sends, whether GL reports each as one polygon or
// as two triangles sharing an edge.
template <typename F>
std::vector<quad> quads_of(F draw)
{
    std::vector<quad> out;
    for (const fb_prim& p : feedback(GL_3D_COLOR_TEXTURE, draw)) {
        if (p.token != GL_POLYGON_TOKEN) continue;
        if (out.empty() || out.back().corner.size() >= 4) out.push_back({{}, colour_of(p.v[0])});
        for (const std::vector<float>& v : p.v) {
            std::vector<float> c = {v[0], v[1], v[7], v[8]};
            bool seen = false;
            for (const std::vector<float>& o : out.back().corner)
                seen = seen || (fabsf(o[0] - c[0]) < 1e-3f && fabsf(o[1] - c[1]) < 1e-3f);
            if (!seen) out.back().corner.push_back(c);
        }
    }
    return out;
}

// A needle as drawn: the pivot it turns about, its angle clockwise from up,
// its reach behind and beyond the pivot, its colour.
struct needle {
    double x, y, angle, tail, tip;
    int colour;
};

// The needles among the quads (the needle texture spans the whole quad, 0
// to 1 along it, from tail to tip). The tail's radius is not in the quad:
// the caller names the needle by its reach.
inline std::vector<needle> needles_of(const std::vector<quad>& quads, const std::function<double(double)>& tail_of)
{
    std::vector<needle> out;
    for (const quad& q : quads) {
        bool whole = q.corner.size() == 4;
        double tx = 0, ty = 0, px = 0, py = 0;
        int tails = 0;
        for (const std::vector<float>& c : q.corner) {
            whole = whole && (fabsf(c[2]) < 1e-4f || fabsf(c[2] - 1) < 1e-4f) &&
                    (fabsf(c[3]) < 1e-4f || fabsf(c[3] - 1) < 1e-4f);
            if (c[3] < 0.5f) tx += c[0], ty += c[1], tails++;
            else px += c[0], py += c[1];
        }
        if (!whole || tails != 2) continue;
        tx /= 2, ty /= 2, px /= 2, py /= 2;
        double length = hypot(px - tx, py - ty);
        double dx = (px - tx) / length, dy = (py - ty) / length;
        double tail = tail_of(length);
        double angle = fmod(atan2(dx, dy) / deg + 360, 360);
        out.push_back({tx - tail * dx, ty - tail * dy, angle, tail, tail + length, q.colour});
    }
    return out;
}

inline double angle_apart(double a, double b)
{
    double d = fmod(fabs(a - b), 360);
    return d > 180 ? 360 - d : d;
}
