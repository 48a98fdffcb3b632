// Host layer over SDL2 and the system OpenGL. See host.h.
//
// Sections: state, video and display modes, window and context, events and
// keys, clock, message box, folders, test hooks.
#include "host.h"
#include "host_test.h"

#include <SDL.h>
#include <GL/gl.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

// ---- state ---------------------------------------------------------------

static int video_up = 0;
static SDL_Window* window = nullptr;
static SDL_GLContext context = nullptr;
static host_mode wanted = {0, 0, 0};
static int wanted_set = 0;
static int paint_owed = 0;          // one paint after the window is shown
static int last_shift = 0;
static char renderer_copy[256];

#ifdef HOST_TESTING
// A scripted event, or a display event a test fed (taken as the display's own).
struct test_event {
    host_event e;
    int from_display;
    SDL_Event display;
};
static const int test_events_max = 512;
static test_event test_events[test_events_max];
static int test_events_head = 0, test_events_tail = 0;
static int test_display_through = 0;   // the display's own events are taken too
static int test_clock_on = 0;
static unsigned test_clock_now = 0, test_clock_step = 0;
static int test_boxes = 0;
static char test_box_text[2048];
static char test_program_dir[400];
static char test_config_dir[400];
static char test_renderer[256];
static int test_renderer_on = 0;
static unsigned char shown[2048 * 2048 * 3];
static int shown_w = 0, shown_h = 0;
#endif

// ---- video and display modes ---------------------------------------------

int host_init(void)
{
    if (video_up) return 1;
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) return 0;
    video_up = 1;
    return 1;
}

void host_shutdown(void)
{
    host_window_close();
    if (video_up) SDL_Quit();
    video_up = 0;
}

int host_display_current(host_mode* m)
{
    if (!host_init()) return 0;
    SDL_DisplayMode dm;
    if (SDL_GetDesktopDisplayMode(0, &dm) != 0) return 0;
    m->w = dm.w;
    m->h = dm.h;
    m->bpp = SDL_BITSPERPIXEL(dm.format);
    return 1;
}

int host_display_largest(host_mode* m)
{
    if (!host_init()) return 0;
    int best = 0;
    m->w = m->h = m->bpp = 0;
    int n = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < n; i++) {
        SDL_DisplayMode dm;
        if (SDL_GetDisplayMode(0, i, &dm) != 0) continue;
        if ((long)dm.w * dm.h > (long)m->w * m->h) {
            m->w = dm.w;
            m->h = dm.h;
            m->bpp = SDL_BITSPERPIXEL(dm.format);
            best = 1;
        }
    }
    if (!best) {
        host_mode cur;
        if (!host_display_current(&cur)) return 0;
        *m = cur;
    }
    return 1;
}

int host_display_set(const host_mode* m)
{
    host_mode big;
    if (m->w <= 0 || m->h <= 0) return 0;
    if (!host_display_largest(&big)) return 0;
    if (m->w > big.w || m->h > big.h) return 0;
    wanted = *m;
    wanted_set = 1;
    return 1;
}

void host_display_restore(void)
{
    // Leaving full screen gives the desktop its own mode back.
    if (window) SDL_SetWindowFullscreen(window, 0);
    wanted_set = 0;
}

// ---- window and context --------------------------------------------------

static int listed_mode(int w, int h, SDL_DisplayMode* out)
{
    int n = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < n; i++) {
        SDL_DisplayMode dm;
        if (SDL_GetDisplayMode(0, i, &dm) != 0) continue;
        if (dm.w == w && dm.h == h) {
            *out = dm;
            return 1;
        }
    }
    return 0;
}

int host_window_open(const char* title, int w, int h, int colour_bits, int depth_bits)
{
    if (!host_init()) return 1;
    SDL_GL_ResetAttributes();
    int r = colour_bits >= 24 ? 8 : 5, g = colour_bits >= 24 ? 8 : 6, b = r;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, r);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, g);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, b);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depth_bits);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);

    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN;
    SDL_DisplayMode mode;
    host_mode desk;
    int full = 0;
    // Full screen only where the display lists that size and it is not
    // already the desktop's (then a borderless window covers it the same).
    if (listed_mode(w, h, &mode) && host_display_current(&desk) && (desk.w != w || desk.h != h))
        full = 1;
    if (full) flags |= SDL_WINDOW_FULLSCREEN;
    window = SDL_CreateWindow(title, 0, 0, w, h, flags);
    if (!window) return 1;
    if (full) SDL_SetWindowDisplayMode(window, &mode);
    context = SDL_GL_CreateContext(window);
    if (!context) {
        SDL_DestroyWindow(window);
        window = nullptr;
        return 2;
    }
    if (SDL_GL_MakeCurrent(window, context) != 0) {
        SDL_GL_DeleteContext(context);
        SDL_DestroyWindow(window);
        context = nullptr;
        window = nullptr;
        return 3;
    }
#ifdef HOST_TESTING
    SDL_GL_SetSwapInterval(0);
#else
    SDL_GL_SetSwapInterval(1);
#endif
    paint_owed = 1;
    return 0;
}

void host_window_close(void)
{
    if (context) SDL_GL_DeleteContext(context);
    if (window) SDL_DestroyWindow(window);
    context = nullptr;
    window = nullptr;
    paint_owed = 0;
}

int host_window_is_open(void) { return window != nullptr; }

void host_swap(void)
{
    if (!window) return;
#ifdef HOST_TESTING
    // Keep what each swap shows: a virtual display's front buffer cannot be read back.
    SDL_GL_GetDrawableSize(window, &shown_w, &shown_h);
    if (shown_w > 2048) shown_w = 2048;
    if (shown_h > 2048) shown_h = 2048;
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, shown_w, shown_h, GL_RGB, GL_UNSIGNED_BYTE, shown);
#endif
    SDL_GL_SwapWindow(window);
}

const char* host_gl_vendor(void)
{
    const GLubyte* s = context ? glGetString(GL_VENDOR) : nullptr;
    return s ? (const char*)s : "";
}

const char* host_gl_renderer(void)
{
#ifdef HOST_TESTING
    if (test_renderer_on) return test_renderer;
#endif
    const GLubyte* s = context ? glGetString(GL_RENDERER) : nullptr;
    snprintf(renderer_copy, sizeof renderer_copy, "%s", s ? (const char*)s : "");
    return renderer_copy;
}

void host_cursor_visible(int on)
{
    if (video_up) SDL_ShowCursor(on ? SDL_ENABLE : SDL_DISABLE);
}

// ---- events and keys -----------------------------------------------------

// Layout-aware key codes to the virtual-key codes the programs route by.
static int vk_of(SDL_Keycode k)
{
    if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12) return VK_F1 + (k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return VK_NUMPAD1 + (k - SDLK_KP_1);
    switch (k) {
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_RETURN: case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL: case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_END: return VK_END;
    case SDLK_HOME: return VK_HOME;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_KP_0: return VK_NUMPAD0;
    case SDLK_KP_MULTIPLY: return VK_MULTIPLY;
    case SDLK_KP_PLUS: return VK_ADD;
    case SDLK_KP_MINUS: return VK_SUBTRACT;
    case SDLK_KP_PERIOD: return VK_DECIMAL;
    case SDLK_KP_DIVIDE: return VK_DIVIDE;
    case SDLK_SEMICOLON: return VK_OEM_1;
    case SDLK_EQUALS: return VK_OEM_PLUS;
    case SDLK_COMMA: return VK_OEM_COMMA;
    case SDLK_MINUS: return VK_OEM_MINUS;
    case SDLK_PERIOD: return VK_OEM_PERIOD;
    case SDLK_SLASH: return VK_OEM_2;
    case SDLK_BACKQUOTE: return VK_OEM_3;
    case SDLK_LEFTBRACKET: return VK_OEM_4;
    case SDLK_BACKSLASH: return VK_OEM_5;
    case SDLK_RIGHTBRACKET: return VK_OEM_6;
    case SDLK_QUOTE: return VK_OEM_7;
    }
    // The layout's own printable keys: SDL names them by their unshifted
    // character. Beyond 0xFF no program has a byte for them.
    if (k >= 0x21 && k <= 0xFF) return vk_character + k;
    return 0;
}

// Turns one SDL event into a host event; 0 when it means nothing to the programs.
static int translate(const SDL_Event& s, host_event* e)
{
    memset(e, 0, sizeof *e);
    switch (s.type) {
    case SDL_QUIT:
        e->type = HE_CLOSE;
        return 1;
    case SDL_WINDOWEVENT:
        if (s.window.event == SDL_WINDOWEVENT_EXPOSED) {
            e->type = HE_PAINT;
            return 1;
        }
        if (s.window.event == SDL_WINDOWEVENT_CLOSE) {
            e->type = HE_CLOSE;
            return 1;
        }
        return 0;
    case SDL_KEYDOWN: {
        // F10 and Alt combinations are system keys that never reach the programs.
        if (s.key.keysym.sym == SDLK_F10 || (s.key.keysym.mod & KMOD_ALT)) return 0;
        int vk = vk_of(s.key.keysym.sym);
        if (!vk) return 0;
        e->type = HE_KEYDOWN;
        e->vk = vk;
        e->shift = (s.key.keysym.mod & KMOD_SHIFT) ? 1 : 0;
        return 1;
    }
    case SDL_MOUSEMOTION:
        e->type = HE_MOUSEMOVE;
        e->x = s.motion.x;
        e->y = s.motion.y;
        return 1;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (s.button.button != SDL_BUTTON_LEFT && s.button.button != SDL_BUTTON_RIGHT) return 0;
        e->type = s.type == SDL_MOUSEBUTTONDOWN ? HE_BUTTONDOWN : HE_BUTTONUP;
        e->x = s.button.x;
        e->y = s.button.y;
        return 1;
    default:
        return 0;
    }
}

// A click always comes with the position it happened at, as a move first.
static host_event pending_button;
static int pending_button_on = 0;

// Every event from the display comes this way; 0 when it means nothing.
static int take_display_event(const SDL_Event& s, host_event* e)
{
    if (!translate(s, e)) return 0;
    if (e->type == HE_KEYDOWN) last_shift = e->shift;
    if (e->type == HE_BUTTONDOWN || e->type == HE_BUTTONUP) {
        pending_button = *e;
        pending_button_on = 1;
        e->type = HE_MOUSEMOVE;
    }
    return 1;
}

int host_next_event(host_event* e)
{
    if (pending_button_on) {
        *e = pending_button;
        pending_button_on = 0;
        if (e->type == HE_KEYDOWN) last_shift = e->shift;
        return 1;
    }
#ifdef HOST_TESTING
    while (test_events_head != test_events_tail) {
        const test_event& t = test_events[test_events_head];
        test_events_head = (test_events_head + 1) % test_events_max;
        if (t.from_display) {
            if (take_display_event(t.display, e)) return 1;
            continue;
        }
        *e = t.e;
        if (e->type == HE_NONE) return 0;       // a scripted frame break
        if (e->type == HE_KEYDOWN) last_shift = e->shift;
        return 1;
    }
#endif
    if (paint_owed) {
        paint_owed = 0;
        memset(e, 0, sizeof *e);
        e->type = HE_PAINT;
        return 1;
    }
    if (!video_up) return 0;
    SDL_Event s;
    while (SDL_PollEvent(&s)) {
#ifdef HOST_TESTING
        // Tests script every event: what the display sends on its own (the
        // pointer entering the window, an expose) would land at a random frame.
        // Keys a test feeds come through the test queue above instead. The
        // viewing tools let the display's own through.
        if (!test_display_through) continue;
#endif
        if (take_display_event(s, e)) return 1;
    }
    return 0;
}

int host_shift_down(void) { return last_shift; }

// ---- clock ---------------------------------------------------------------

unsigned host_ticks_ms(void)
{
#ifdef HOST_TESTING
    if (test_clock_on) {
        unsigned now = test_clock_now;
        test_clock_now += test_clock_step;
        return now;
    }
#endif
    if (!video_up) host_init();
    return SDL_GetTicks();
}

void host_sleep_ms(unsigned ms)
{
#ifdef HOST_TESTING
    if (test_clock_on) {
        test_clock_now += ms;
        return;
    }
#endif
    SDL_Delay(ms);
}

// ---- message box ---------------------------------------------------------

void host_message_box(const char* caption, const char* text)
{
#ifdef HOST_TESTING
    test_boxes++;
    snprintf(test_box_text, sizeof test_box_text, "%s", text);
    (void)caption;
    return;
#else
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption, text, window) != 0)
        fprintf(stderr, "%s\n\n%s\n", caption, text);
#endif
}

void host_beep(void)
{
#ifndef HOST_TESTING
    fputc('\a', stderr);
#endif
}

// ---- folders -------------------------------------------------------------

int host_program_folder(char* out, int cap)
{
#ifdef HOST_TESTING
    if (test_program_dir[0]) return snprintf(out, cap, "%s", test_program_dir) < cap;
#endif
    char exe[4096];
    ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0) return 0;
    exe[n] = 0;
    char* cut = strrchr(exe, '/');
    if (!cut) return 0;
    cut[1] = 0;
    return snprintf(out, cap, "%s", exe) < cap;
}

int host_sync_file(const char* path)
{
    int fd = open(path, O_RDONLY);
    if (fd < 0) return 0;
    int ok = fsync(fd) == 0;
    close(fd);
    return ok;
}

void host_sync_folder_of(const char* path)
{
    std::string folder = path;
    size_t cut = folder.rfind('/');
    folder = cut == std::string::npos ? "." : folder.substr(0, cut + 1);
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// Makes the folder when missing. 0 when a folder is there, else the error
// number: "name/" over an ordinary file passes mkdir as "exists", so what is
// there is looked at again.
static int make_folder(const char* path)
{
    struct stat st;
    if (stat(path, &st) != 0) {
        if (mkdir(path, 0755) != 0 && errno != EEXIST) return errno;
        if (stat(path, &st) != 0) return errno;
    }
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

static int config_folder_made(const char* path, const char** why)
{
    int e = make_folder(path);
    if (e == 0) return HF_READY;
    if (why) *why = strerror(e);
    return HF_NOT_MADE;
}

int host_config_folder(char* out, int cap, const char** why)
{
#ifdef HOST_TESTING
    if (test_config_dir[0]) {
        if (snprintf(out, cap, "%s", test_config_dir) >= cap) return HF_TOO_LONG;
        return config_folder_made(out, why);
    }
#endif
    char base[4096];
    const char* xdg = getenv("XDG_CONFIG_HOME");
    const char* home = getenv("HOME");
    if (xdg && xdg[0] == '/') snprintf(base, sizeof base, "%s", xdg);
    else if (home && home[0]) snprintf(base, sizeof base, "%s/.config", home);
    else snprintf(base, sizeof base, "/tmp");
    make_folder(base);      // a failure here shows as the folder below not made
    if (snprintf(out, cap, "%s/volanto/", base) >= cap) return HF_TOO_LONG;
    return config_folder_made(out, why);
}

int host_resolve_path(const char* in, char* out, int cap)
{
    if (snprintf(out, cap, "%s", in) >= cap) return 0;
    if (access(out, F_OK) == 0) return 1;
    // The programs build names in mixed case (".BMP", ".WAV"): find the last
    // component without regard to case.
    char folder[4096];
    const char* slash = strrchr(in, '/');
    const char* name = slash ? slash + 1 : in;
    if (slash) snprintf(folder, sizeof folder, "%.*s", (int)(slash - in + 1), in);
    else snprintf(folder, sizeof folder, "./");
    if (!name[0]) return 0;
    DIR* d = opendir(folder);
    if (!d) return 0;
    int found = 0;
    while (dirent* de = readdir(d)) {
        if (strcasecmp(de->d_name, name) == 0) {
            found = snprintf(out, cap, "%s%s", slash ? folder : "", de->d_name) < cap;
            break;
        }
    }
    closedir(d);
    if (!found) snprintf(out, cap, "%s", in);
    return found;
}

int host_may_replace(const char* path)
{
    // As the program's own user, as opening the file to write it would be.
    return access(path, F_OK) != 0 || faccessat(AT_FDCWD, path, W_OK, AT_EACCESS) == 0;
}

int host_copy_file_mode(const char* from, const char* to)
{
    struct stat st;
    if (stat(from, &st) != 0) return 0;
    return chmod(to, st.st_mode & 07777) == 0;
}

int host_list_folder(const char* folder, host_list_take take, void* ctx)
{
    DIR* d = opendir(folder);
    if (!d) return 0;
    struct entry {
        std::string name;
        int is_folder;
    };
    std::vector<entry> found;
    while (dirent* de = readdir(d)) {
        if (de->d_name[0] == '.') continue;
        std::string full = std::string(folder) + de->d_name;
        struct stat st;
        if (stat(full.c_str(), &st) != 0) continue;            // a dangling link
        if (S_ISDIR(st.st_mode)) {
            if (access(full.c_str(), X_OK) != 0) continue;     // a folder that cannot be entered
            found.push_back({de->d_name, 1});
        } else if (S_ISREG(st.st_mode)) {
            found.push_back({de->d_name, 0});
        }
    }
    closedir(d);
    std::sort(found.begin(), found.end(), [](const entry& a, const entry& b) {
        int c = strcasecmp(a.name.c_str(), b.name.c_str());
        return c != 0 ? c < 0 : strcmp(a.name.c_str(), b.name.c_str()) < 0;
    });
    for (const entry& e : found)
        if (!take(e.name.c_str(), e.is_folder, ctx)) break;
    return 1;
}

// ---- test hooks ----------------------------------------------------------
#ifdef HOST_TESTING

void host_test_clock(unsigned start_ms, unsigned step_ms)
{
    test_clock_on = 1;
    test_clock_now = start_ms;
    test_clock_step = step_ms;
}

void host_test_set_time(unsigned ms)
{
    test_clock_on = 1;
    test_clock_now = ms;
}

static void push_test_event(const test_event& t)
{
    int next = (test_events_tail + 1) % test_events_max;
    if (next == test_events_head) return;
    test_events[test_events_tail] = t;
    test_events_tail = next;
}

void host_test_push_event(const host_event& e)
{
    test_event t = {};
    t.e = e;
    push_test_event(t);
}

void host_test_push_key(int vk, int shift)
{
    host_event e = {HE_KEYDOWN, vk, 0, 0, shift};
    host_test_push_event(e);
}

void host_test_push_click(int px, int py)
{
    host_event e = {HE_MOUSEMOVE, 0, px, py, 0};
    host_test_push_event(e);
    e.type = HE_BUTTONDOWN;
    host_test_push_event(e);
    e.type = HE_BUTTONUP;
    host_test_push_event(e);
}

void host_test_push_frame_break(void)
{
    host_event e = {HE_NONE, 0, 0, 0, 0};
    host_test_push_event(e);
}

// The test's key description is the display's own.
static_assert(host_key_of_scan == SDLK_SCANCODE_MASK, "key of a scan code");
static_assert(host_mod_lshift == KMOD_LSHIFT && host_mod_rshift == KMOD_RSHIFT, "Shift");
static_assert(host_mod_lctrl == KMOD_LCTRL, "Ctrl");
static_assert(host_mod_lalt == KMOD_LALT && host_mod_ralt == KMOD_RALT, "Alt");
static_assert(host_mod_num == KMOD_NUM && host_mod_caps == KMOD_CAPS, "locks");

void host_test_feed_key(int key, int scan, int mods)
{
    test_event t = {};
    t.from_display = 1;
    t.display.type = SDL_KEYDOWN;
    t.display.key.state = SDL_PRESSED;
    t.display.key.keysym.sym = key;
    t.display.key.keysym.scancode = (SDL_Scancode)scan;
    t.display.key.keysym.mod = (Uint16)mods;
    push_test_event(t);
}

void host_test_display_events(int on) { test_display_through = on; }

int host_test_pending_events(void)
{
    return (test_events_tail - test_events_head + test_events_max) % test_events_max;
}

int host_test_message_box_count(void) { return test_boxes; }
const char* host_test_last_message_box(void) { return test_box_text; }

void host_test_program_folder(const char* folder)
{
    snprintf(test_program_dir, sizeof test_program_dir, "%s", folder ? folder : "");
}

void host_test_config_folder(const char* folder)
{
    snprintf(test_config_dir, sizeof test_config_dir, "%s", folder ? folder : "");
}

void host_test_renderer(const char* name)
{
    test_renderer_on = name != nullptr;
    snprintf(test_renderer, sizeof test_renderer, "%s", name ? name : "");
}

void host_test_read_pixels(int x, int y, int w, int h, unsigned char* rgb)
{
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb);
}

void host_test_read_front(int x, int y, int w, int h, unsigned char* rgb)
{
    for (int r = 0; r < h; r++) {
        for (int c = 0; c < w; c++) {
            unsigned char* out = rgb + (r * w + c) * 3;
            int px = x + c, py = y + r;
            if (px < 0 || py < 0 || px >= shown_w || py >= shown_h) {
                out[0] = out[1] = out[2] = 0;
                continue;
            }
            const unsigned char* in = shown + (py * shown_w + px) * 3;
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
        }
    }
}

#endif
