// The library shell: start-up, the window procedure, the frame loop and key
// routing, alerts, the library's own windows, shutdown and the menus.
//
// Sections (grep "---- name"): globals (the shell's call record and its run
// state), start-up, display mode, progress bar, window procedure, frame loop,
// keys, alerts, library windows, shutdown, menus.
#include "HL_MNW.h"
#include "HL_BTN.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Hl_joy.h"
#include "Hl_sound.h"
#include "program.h"
#include "records.h"
#ifdef PROG_VOLANTO
#include "Integ.h"
#endif

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// ---- globals -------------------------------------------------------------

int active_inst = 0;
int active_windstyle = 0;
float lookup_sin[361], lookup_cos[361];
char app_path[path_max], wrk_path[path_max], afl_path[path_max], flp_path[path_max];
char tex_path[path_max], obj_path[path_max], otx_path[path_max], cus_path[path_max];
char sit_path[path_max], cd_path[path_max], prf_path[path_max], res_path[path_max];
std::ofstream err;
int ogl_ready = 0;
int gdone = 0;
int is_3dfx = 0;
int initing = 1;
int got_event = 0;
int up_handled = 0;
int return_hit = 0;
char g_cs0[line_max], g_cs1[line_max], g_cs2[line_max], g_cs3[line_max], g_cs4[line_max];

// What the shell keeps from call to call for the whole run, at its start values.
struct shell_run_state {
    int first_frame = 1;                // the frame loop has not read a tick yet
    unsigned first_ms = 0;              // its first tick: time_elapsed counts from it
    float last_mx = 999, last_my = 999; // the mouse at the last frame; at first off the screen
    float tip_timer = 0;                // when the mouse last moved or clicked
    float click_time = 0, repeat_time = 0;  // the held button's press and its last repeat
    int desktop_known = 0;              // the desktop's mode, taken before the first switch
    host_mode desktop = {0, 0, 0};
    float progress = 6;                 // the progress bar's position
    float menu_cursor = 10;             // where the next title goes on the menu bar
    int quit_pending = 0;               // a close request waits for the main view
};
static shell_run_state shell_run;

void clear_shell_run_state(void) { shell_run = shell_run_state(); }

shell_calls shell = {
#ifdef PROG_VOLANTO
    update_scene_3d, update_panel, update_scene_2d, freeviews_keys, function_key, yoke_key,
    manage_das,
#else
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
#endif
    OGL_plot_background,
    APPLICATION_update,
    APPLICATION_handlekey,
    APPLICATION_handlemenu,
    MACIBM_startwind,
    MACIBM_draw_menu,
    MACIBM_draw_tooltip,
    OGL_sbuf,
};

// ---- start-up ------------------------------------------------------------

// A folder the program cannot work without: fatal before the window exists,
// so the system message box and "Error.out" name the folder and why (the
// system's reason, or nullptr for a path too long for the program's paths).
static void refuse_folder(const char* what, const char* folder, const char* why)
{
    char line[100];
    if (why) {
        snprintf(line, sizeof line, "The %s folder cannot be created:", what);
        MACIBM_alert(line, folder, why, "", alert_fatal);
    } else {
        snprintf(line, sizeof line, "The %s folder's path is too long for %s:", what, program_name);
        MACIBM_alert(line, folder, "", "", alert_fatal);
    }
}

// Folders under the program folder, each ending in '/'.
static const char* const sub_folders[] = {
    "airfoils/", "flaps/", "textures/",
    "additional nav data/custom objects/", "additional nav data/custom object textures/",
    "additional nav data/custom terrain textures/", "additional nav data/situations/",
};
static char* const sub_paths[] = {afl_path, flp_path, tex_path, obj_path, otx_path, cus_path, sit_path};

// A program or configuration folder whose derived paths would not fit is
// refused before anything else; no path is ever cut short.
static void build_paths(void)
{
    char sys[path_max], prog[path_max];
    const char* why = "";
    int got = host_config_folder(sys, path_max, &why);
    if (got == HF_NOT_MADE) refuse_folder("configuration", sys, why);
    int ok = got == HF_READY && strlen(sys) + 40 < path_max;
    // A program that keeps no preferences has no path for them.
    const char* prefs_folder = prefs_file_name[0] ? sys : "";
    if (!ok || snprintf(prf_path, path_max, "%s%s", prefs_folder, prefs_file_name) >= path_max ||
        snprintf(res_path, path_max, "%s%s", sys, "XRes 5.prf") >= path_max)
        refuse_folder("configuration", sys, nullptr);

    ok = host_program_folder(prog, path_max) && strlen(prog) + 100 < path_max;
    if (!ok) refuse_folder("program", prog, nullptr);
    snprintf(app_path, path_max, "%s", prog);
    snprintf(wrk_path, path_max, "%s", app_path);
    for (size_t k = 0; k < sizeof sub_folders / sizeof sub_folders[0]; k++)
        if (snprintf(sub_paths[k], path_max, "%s%s", app_path, sub_folders[k]) >= path_max)
            refuse_folder("program", prog, nullptr);
    // The shipped scenery squares sit under "DATA/" in the program folder.
    snprintf(cd_path, path_max, "%s", app_path);
}

// Every value in single precision, in this order, each reciprocal from the
// value just stored: g comes out as 9.798279 and the factors follow from it.
void MACIBM_set_constants(void)
{
    con.muearth = 3.98601e14f;
    con.rearth = 6378145.0f;
    con.rhoSL = 1.225f;
    con.pSL = 101325.0f;
    con.muair = 1.7894e-5f;
    con.gammaairM1 = 0.4f;
    con.pi = 3.1415927f;
    con.pim2 = con.pi * 2.0f;
    con.pid2 = con.pi * 0.5f;
    con.R = 287.0f;
    con.e = 2.7182817f;
    con.g = con.muearth / (con.rearth * con.rearth);
    con.rho_h20 = 1000.0f;
    con.lbstokgs = 0.4535925f;
    con.kgstolbs = 1.0f / con.lbstokgs;
    con.fttomtrs = 0.3048f;
    con.mtrstoft = 1.0f / con.fttomtrs;
    con.hptowatt = 745.7f;
    con.watttohp = 1.0f / con.hptowatt;
    con.dgrtodgk = 0.5555556f;
    con.dgktodgr = 1.0f / con.dgrtodgk;
    con.radtodeg = 180.0f / con.pi;
    con.degtorad = 1.0f / con.radtodeg;
    con.ktstomsc = con.fttomtrs * 1.687809861111111f;
    con.msctokts = 1.0f / con.ktstomsc;
    con.rpmtorsc = con.degtorad * 6.0f;
    con.rsctorpm = 1.0f / con.rpmtorsc;
    con.fpmtomsc = con.fttomtrs / 60.0f;
    con.msctofpm = 1.0f / con.fpmtomsc;
    con.nmtomtrs = con.fttomtrs * 6076.1155f;
    con.mtrstonm = 1.0f / con.nmtomtrs;
    con.sftosmtr = con.fttomtrs * con.fttomtrs;
    con.smtrtosf = 1.0f / con.sftosmtr;
    con.lbstontn = con.lbstokgs * con.g;
    con.ntntolbs = 1.0f / con.lbstontn;
    con.ftlbtonm = con.lbstontn * con.fttomtrs;
    con.nmtoftlb = 1.0f / con.ftlbtonm;
    float ft4 = con.fttomtrs * con.fttomtrs;
    ft4 = ft4 * ft4;
    con.endtomed = con.g * con.lbstokgs / ft4;
    con.medtoend = 1.0f / con.endtomed;
    con.enptomep = con.lbstontn * con.smtrtosf;
    con.meptoenp = 1.0f / con.enptomep;
    con.enItomtI = con.sftosmtr * con.lbstokgs;
    con.mtltoenl = 1.0f / con.enItomtI;
    con.nm_to_sm = 1.1507795f;
    con.sm_to_nm = 1.0f / con.nm_to_sm;
    con.mtrtoplt = 0.0066666668f;
    con.plttomtr = 1.0f / con.mtrtoplt;

    for (int i = 0; i <= 360; i++) {
        lookup_sin[i] = sinf((float)i * con.degtorad);
        lookup_cos[i] = cosf((float)i * con.degtorad);
    }
}

static void assign_start_colours(void)
{
    static const float table[][4] = {
        {0, 1, 1, 1},
        {1, 0.2f, 1, 0.2f}, {2, 1, 0.2f, 0.2f}, {3, 1, 1, 0.2f}, {4, 0.4f, 0.4f, 1}, {5, 0.92f, 0.87f, 0.67f},
        {6, 0.8f, 0.8f, 0.8f}, {7, 0, 1, 0}, {8, 1, 0, 0}, {9, 1, 1, 0}, {10, 0, 0, 1}, {11, 0.67f, 0.61f, 0.42f},
        {12, 0.6f, 0.6f, 0.6f}, {13, 0, 0.8f, 0}, {14, 0.8f, 0, 0}, {15, 0.6f, 0.6f, 0}, {16, 0, 0, 0.6f},
        {17, 0.49f, 0.43f, 0.24f},
        {18, 0.4f, 0.4f, 0.4f}, {19, 0, 0.6f, 0}, {20, 0.6f, 0, 0}, {21, 0.35f, 0.3f, 0.11f},
        {22, 0.2f, 0.2f, 0.2f}, {23, 0, 0.4f, 0}, {24, 0.4f, 0, 0}, {25, 0.17f, 0.12f, 0},
        {26, 0.1f, 0.1f, 0.1f}, {27, 0, 0.2f, 0}, {28, 0.2f, 0, 0}, {29, 0, 0, 0}, {30, 0, 0.1f, 0}, {31, 0.1f, 0, 0},
        {32, 1, 0.8f, 0.2f}, {33, 0.2f, 0.2f, 0.6f}, {34, 0.11f, 0.22f, 0.55f}, {35, 0.08f, 0.16f, 0.4f},
        {36, 0.66f, 0.44f, 0.22f}, {37, 0.48f, 0.32f, 0.16f}, {38, 0.38f, 0.07f, 0.38f}, {39, 1, 1, 1},
        {40, 0.8f, 0.8f, 0.8f}, {41, 0.3f, 0.3f, 0.3f},
        {42, 1, 1, 0.2f}, {43, 0.3f, 0.3f, 0.9f}, {44, 0.5f, 0.5f, 1}, {45, 1, 0, 0}, {46, 1, 0.4f, 0.4f},
        {47, 0.6f, 1, 0.6f}, {48, 0.2f, 1, 0.2f}, {49, 0, 1, 0}, {50, 0, 0.6f, 0}, {51, 0, 0.4f, 0},
        {52, 0, 0.2f, 0}, {53, 0, 0.1f, 0},
        {54, 0.11f, 0.22f, 0.55f}, {55, 0.66f, 0.44f, 0.22f}, {56, 0.2f, 0.2f, 0.4f},
        {62, 1, 1, 1}, {63, 1, 1, 0.6f}, {64, 0.6f, 0.6f, 1}, {65, 0.8f, 0.8f, 0.8f}, {66, 1, 1, 0.2f},
        {67, 0.2f, 0.2f, 1},
        {68, 0.6f, 0.6f, 0.6f}, {69, 0.8f, 0.8f, 0}, {70, 0, 0, 0.8f}, {71, 0, 0, 0}, {72, 0, 0.9f, 0},
        {73, 0, 0.5f, 0}, {74, 1, 1, 0}, {75, 1, 0, 0},
    };
    for (const auto& c : table) OGL_assigncolor((int)c[0], c[1], c[2], c[3]);
}

// "XRes 5.prf": three numbers after the header. A missing or damaged file
// means 800 x 600 x 16, never a stop before the window exists.
void MACIBM_read_resprefs(void)
{
    float v[3] = {800, 600, 16};
    if (inf_open(res_path, kind_text, 2, 0)) {
        float got[3];
        int ok = 1;
        for (float& g : got) {
            inf1 >> g;
            if (inf1.fail() || !std::isfinite(g)) ok = 0;
        }
        if (ok) memcpy(v, got, sizeof v);
    }
    inf1.close();
    inf1.clear();
    mnw.XRES = v[0];
    mnw.YRES = v[1];
    mnw.CRES = v[2];
}

static void set_gl_defaults(void)
{
    GLfloat black[4] = {0, 0, 0, 0};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_COLOR_LOGIC_OP);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_TEXTURE_1D);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glFrontFace(GL_CW);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DITHER);
    glDisable(GL_NORMALIZE);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_SCISSOR_TEST);
    glAlphaFunc(GL_GREATER, 0.0f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -1, 1);
    glViewport(0, 0, (GLsizei)mnw.XRES, (GLsizei)mnw.YRES);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    OGL_setstate(0, 0, 0, 0);
}

void clear_library_records(void)
{
    clear_shell_run_state();
    clear_graph_run_state();
    clear_widget_run_state();
    memset(&pln[0], 0, sizeof pln[0]);
    memset(&pln[1], 0, sizeof pln[1]);
    memset(afl, 0, sizeof afl);
    memset(&con, 0, sizeof con);
    memset(&mnw, 0, sizeof mnw);
    mnw.menu_up = -1;
    for (int m = 0; m < menus_max; m++) mnw.menu_prnt[m] = -1;
    inf_use = 1;
}

void MACIBM_init(void)
{
    // Every start-up begins from the run's start values.
    clear_library_records();
    host_init();

    err.open("Error.out", std::ios::out | std::ios::trunc);
    build_paths();
    MACIBM_set_constants();
    rnd15_seed(host_ticks_ms() % 32000);
    assign_start_colours();
    MACIBM_read_resprefs();

    if (!MACIBM_setres(1)) {
        MACIBM_alert("I could not set the resolution to the requested resolution to run Volanto!",
                     "I will try 800 by 600, 16-bit color now.", "", "", alert_notice);
        mnw.XRES = 800;
        mnw.YRES = 600;
        mnw.CRES = 16;
        if (!MACIBM_setres(1))
            MACIBM_alert("I could not set the resolution to the requested resolution to run Volanto!",
                         "Set your machine to 800 by 600, 16-bit color to run Volanto.", "", "", alert_fatal);
    }
    mnw.XRAT = mnw.XRES * 0.00125f;
    mnw.YRAT = mnw.YRES * 0.0016666667f;

    int stage = host_window_open("Volanto-System", (int)mnw.XRES, (int)mnw.YRES, 16, 16);
    if (stage == 1) MACIBM_alert("Can't create window!", "", "", "", alert_fatal);
    if (stage == 2)
        MACIBM_alert("Can't choose pixel format!",
                     "This almost certainly means that you do not have the machine in 16-bit color, like you need to.",
                     "To set 16-bit color, first close this dialog box. Then right-mouse-click on your desktop.",
                     "Select 'Properties' from the resulting menu, select 'Settings' from the resulting window, and select 16-bit color.",
                     alert_fatal);
    if (stage != 0) MACIBM_alert("SetPixelFormat failed.", "", "", "", alert_fatal);

    char renderer[5];
    snprintf(renderer, sizeof renderer, "%s", host_gl_renderer());
    if (strcmp(host_gl_renderer(), "GENERIC") == 0)
        MACIBM_alert("I can not find a 3-D accelerator card that can handle OpenGL that has correctly installed drivers.",
                     "I will still let you run the simulator, but the frame rate will NOT allow for a good simulation.",
                     "A 3-D accelerator card that handles OpenGL in hardware will make Volanto fly smoothly.",
                     "Your card maker's web site lists the video cards with OpenGL drivers that work.", alert_notice);
    is_3dfx = (strcmp(renderer, "3Dfx") == 0 || strcmp(renderer, "Mesa") == 0) ? 1 : 0;
    // The program draws its own cursor on these renderers.
    host_cursor_visible(is_3dfx ? 0 : 1);

    set_gl_defaults();
    ins.lite_rgb[0] = ins.lite_rgb[1] = ins.lite_rgb[2] = 1.0f;

    ogl_ready = 1;
    gdone = 0;
#ifndef PROG_VOLANTO
    // The menu titles must exist before the main view first draws its bar.
    APPLICATION_setupmenus();
#endif
    MACIBM_startwind(win_startup);

    int w, h;
    OGL_texbmp(bmp_shared, tex_letters, bmp_keyed, "letters", &w, &h);
#ifdef PROG_VOLANTO
    OGL_texbmp(bmp_shared, tex_tapes, bmp_opaque, "tapes", &w, &h);
#endif
    if (is_3dfx) OGL_texbmp(bmp_shared, tex_cursor, bmp_keyed, "cursor", &w, &h);
#ifdef PROG_VOLANTO
    OGL_texbmp(bmp_shared, tex_needle, bmp_glow, "needle", &w, &h);
    OGL_texbmp(bmp_shared, tex_dg, bmp_glow, "dg", &w, &h);
#endif
}

// ---- display mode --------------------------------------------------------

int MACIBM_setres(int to_program_mode)
{
    int& desktop_known = shell_run.desktop_known;
    host_mode& desktop = shell_run.desktop;
    host_mode current = {0, 0, 0};
    host_display_current(&current);
    if (!desktop_known) {
        desktop = current;
        desktop_known = 1;
    }
    if (!to_program_mode) {
        host_display_restore();
        return 1;
    }
    // Width and height must match; the colour depth is a minimum that every
    // display of today meets.
    host_mode target = {(int)mnw.XRES, (int)mnw.YRES, (int)mnw.CRES};
    if (!std::isfinite(mnw.XRES) || !std::isfinite(mnw.YRES)) return 0;
    return host_display_set(&target);
}

// ---- progress bar --------------------------------------------------------

void MACIBM_showinit(int step)
{
    float& position = shell_run.progress;
    if (!initing) return;
    if (step != 0) {
        position = fltlim(position + 5, 0, 601);
        shell.OGL_plot_background();
        OGL_fillrect(48, position, 7, 2, 5);
        OGL_line(47, position, 12, position + 2, 12);
        OGL_line(47, position, 7, position, 12);
        OGL_line(50, position, 7, position + 2, 7);
        OGL_line(50, position + 2, 7, position + 2, 12);
        shell.OGL_sbuf();
    } else {
        for (int x = 11; x < 601; x += 5) OGL_fillrect(29, (float)x, 7, 3, 6);
    }
}

// ---- window procedure ----------------------------------------------------

void IBM_handlewin(const host_event& e)
{
    switch (e.type) {
    case HE_KEYDOWN:
        MACIBM_handlekey(e.vk);
        break;
    case HE_MOUSEMOVE:
        mnw.mx = (float)e.x / mnw.XRAT - mnw.x;
        mnw.my = (mnw.YRES - (float)e.y) / mnw.YRAT - mnw.y;
        break;
    case HE_BUTTONDOWN:
        mnw.mx = (float)e.x / mnw.XRAT - mnw.x;
        mnw.my = (mnw.YRES - (float)e.y) / mnw.YRAT - mnw.y;
        mnw.mouse_clicked = 1;
        mnw.now_dragging = 1;
        MACIBM_handleclick();
        break;
    case HE_BUTTONUP:
        mnw.mouse_lifted = 1;
        mnw.now_dragging = 0;
        mnw.delay_dragging = 0;
        break;
    case HE_PAINT:
        got_event = 1;
        up_handled = 1;
        shell.MACIBM_startwind(mnw.topwin);
        break;
    case HE_CLOSE:
#ifndef PROG_VOLANTO
        // An editor's alert, question or dialog is closed first (a fatal
        // alert then ends the program as its O.K. does); the Quit, with its
        // own save question, follows once the main view is back.
        if (mnw.topwin >= win_alert && mnw.topwin <= win_save) {
            shell_run.quit_pending = 1;
            shell.MACIBM_startwind(win_main);
            break;
        }
#endif
        // A close request from the desktop quits as the Quit command does.
        shell.APPLICATION_handlemenu(item_quit);
        break;
    }
}

// ---- frame loop ----------------------------------------------------------

void MACIBM_event_proc(void)
{
    int& first = shell_run.first_frame;
    unsigned& first_ms = shell_run.first_ms;
    float &last_mx = shell_run.last_mx, &last_my = shell_run.last_my;
    float &tip_timer = shell_run.tip_timer, &click_time = shell_run.click_time, &repeat_time = shell_run.repeat_time;

    // 1. Per-frame flags.
    return_hit = 0;
    mnw.mouse_clicked = 0;
    mnw.mouse_lifted = 0;

    // A close request that cancelled a question or dialog quits now, in the
    // first frame after that window's own loop has ended.
    if (shell_run.quit_pending && mnw.topwin == win_main) {
        shell_run.quit_pending = 0;
        shell.APPLICATION_handlemenu(item_quit);
    }

    // 2. Window messages.
    host_event e;
    while (host_next_event(&e)) IBM_handlewin(e);

    // 3. Clock.
    unsigned now = host_ticks_ms();
    if (first) {
        first_ms = now;
        first = 0;
    }
    mnw.time_elapsed = (float)(now - first_ms) * 0.001f;

    // 4. Tool-tip timer: a rest of the mouse, restarted by a move or a click.
    if (fabsf(mnw.mx - last_mx) > 1.0f || fabsf(mnw.my - last_my) > 1.0f || mnw.mouse_clicked)
        tip_timer = mnw.time_elapsed;
    if (mnw.mouse_clicked) click_time = mnw.time_elapsed;
    last_mx = mnw.mx;
    last_my = mnw.my;
    mnw.help_message[0] = 0;

    // 5. Click repeat while a button is held.
    if (mnw.now_dragging) mnw.delay_dragging = (mnw.time_elapsed - click_time > 0.5f) ? 1 : 0;
    if (mnw.delay_dragging && mnw.time_elapsed > repeat_time + 0.2f) {
        mnw.mouse_clicked = 1;
        repeat_time = mnw.time_elapsed;
    }

    // 6. Pulsing greens; the editors' highlight pulses less, but for the
    // world editor's.
#if defined(PROG_VOLANTO) || defined(PROG_TERRAWRIGHT)
    float a = 0.8f + 0.2f * sinf(10.0f * mnw.time_elapsed);
#else
    float a = 0.9f + 0.1f * sinf(10.0f * mnw.time_elapsed);
#endif
    float b = 0.7f + 0.3f * sinf(25.0f * mnw.time_elapsed);
    OGL_assigncolor(57, 0.2f * a, a, 0.2f * a);
    OGL_assigncolor(58, 0.2f * b, b, 0.2f * b);

    // 7. Nothing is drawn before the window's first paint.
    if (!up_handled) return;
    got_event = 0;
#ifdef PROG_VOLANTO
    if (mnw.topwin == win_main) shell.update_scene_3d();
    // The panel's picture lies under the panel; with the panel hidden the
    // scene fills the screen and no picture covers it.
    if (mnw.topwin != win_main || !set.panel_hidden) shell.OGL_plot_background();
    if (mnw.topwin == win_main && !set.panel_hidden) shell.update_panel();
    if (mnw.topwin == win_main) shell.update_scene_2d();
#else
    shell.OGL_plot_background();
#endif
    select_ctr = 0;
    if (mnw.topwin == win_open || mnw.topwin == win_save) OPENSAVE_update();
    else if (mnw.topwin != win_alert && mnw.topwin != win_question) shell.APPLICATION_update();
    if (mnw.menu_up >= 0) shell.MACIBM_draw_menu();
    if (is_3dfx) {
        OGL_setstate(0, 1, 0, 0);
        glEnable(GL_ALPHA_TEST);
        OGL_bindtex(tex_cursor);
        glColor3f(1, 1, 1);
        OGL_2dquad(0, 0, 0, 1, 1, 1, 1, 0,
                   mnw.mx, mnw.my - 16, mnw.mx, mnw.my, mnw.mx + 16, mnw.my, mnw.mx + 16, mnw.my - 16);
        glDisable(GL_ALPHA_TEST);
        OGL_setstate(0, 0, 0, 0);
    }
    if (mnw.help_message[0] && mnw.time_elapsed - tip_timer > 1.0f) shell.MACIBM_draw_tooltip();
    shell.OGL_sbuf();
}

// ---- keys ----------------------------------------------------------------

// The character a key gives, after the shift rules of a US keyboard. A
// layout's own character is already what the key types: it is never shifted,
// and its code is above every key code the routing below compares with.
static int key_character(int vk, int shift)
{
    if (vk >= vk_character) return vk - vk_character;
    int c = vk;
    switch (vk) {                       // punctuation keys, shifted first
    case VK_OEM_MINUS: c = '_'; break;
    case VK_OEM_PLUS: c = '+'; break;
    case VK_OEM_4: c = '{'; break;
    case VK_OEM_6: c = '}'; break;
    case VK_OEM_1: c = ':'; break;
    case VK_OEM_COMMA: c = '<'; break;
    case VK_OEM_PERIOD: c = '>'; break;
    case VK_OEM_2: c = '?'; break;
    case VK_OEM_3: c = '`'; break;
    case VK_OEM_5: c = '\\'; break;
    case VK_OEM_7: c = '"'; break;
    }
    if (!shift) {
        if (c >= 'A' && c <= 'Z') c = c - 'A' + 'a';
        switch (c) {
        case '_': c = '-'; break;
        case '+': c = '='; break;
        case '{': c = '['; break;
        case '}': c = ']'; break;
        case ':': c = ';'; break;
        case '<': c = ','; break;
        case '>': c = '.'; break;
        case '?': c = '/'; break;
        case '~': c = '`'; break;
        case '|': c = '\\'; break;
        case '"': c = '\''; break;
        }
    } else {
        static const char shifted_digits[] = ")!@#$%^&*(";
        if (c >= '0' && c <= '9') c = shifted_digits[c - '0'];
        else if (c == '`') c = '~';
        else if (c == '\\') c = '|';
    }
    return c;
}

#ifdef PROG_VOLANTO
// Arrows, function keys and the keypad go straight to the simulator's
// handlers in the main view. Returns 1 when the key was routed.
static int route_simulator_key(int vk, int shift)
{
    switch (vk) {
    case VK_UP: shell.freeviews_keys(27); return 1;
    case VK_LEFT: shell.freeviews_keys(25); return 1;
    case VK_DOWN: shell.freeviews_keys(28); return 1;
    case VK_RIGHT: shell.freeviews_keys(26); return 1;
    case VK_BACK: shell.function_key(shift ? 49 : 37); return 1;
    case VK_F11: shell.function_key(shift ? 50 : 38); return 1;
    case VK_F12: shell.function_key(shift ? 51 : 39); return 1;
    case VK_NUMPAD5: shell.yoke_key(0); return 1;
    case VK_NUMPAD2: shell.yoke_key(1); return 1;
    case VK_NUMPAD8: shell.yoke_key(2); return 1;
    case VK_NUMPAD4: shell.yoke_key(3); return 1;
    case VK_NUMPAD6: shell.yoke_key(4); return 1;
    case VK_NUMPAD1: shell.yoke_key(5); return 1;
    case VK_NUMPAD3: shell.yoke_key(6); return 1;
    }
    if (vk >= VK_F1 && vk <= VK_F9) {
        shell.function_key((shift ? 40 : 28) + (vk - VK_F1));
        return 1;
    }
    return 0;
}
#endif

void MACIBM_handlekey(int virtual_key)
{
    got_event = 1;
    int shift = host_shift_down();
    int c = key_character(virtual_key, shift);

#ifdef PROG_VOLANTO
    if (mnw.topwin == win_main && route_simulator_key(virtual_key, shift)) return;
#endif

    if (mnw.topwin == win_save || mnw.topwin == win_alert) {
        size_t n = strlen(g_cs0);
        if (virtual_key == VK_RETURN) return_hit = 1;
        else if (virtual_key == VK_BACK) {
            if (n > 0) g_cs0[n - 1] = 0;
        } else if (virtual_key != VK_SHIFT) {
            // At most typed_max characters: a further one replaces the last.
            if (n >= (size_t)typed_max) n = typed_max - 1;
            g_cs0[n] = (char)c;
            g_cs0[n + 1] = 0;
        }
        return;
    }
    if (mnw.topwin == win_main) {
        shell.APPLICATION_handlekey((char)c, 0);
        return;
    }
    if (mnw.topwin != win_question && mnw.topwin != win_open) {
        // Any key closes a program window, as a click in its left close box.
        mnw.mx = -1;
        mnw.my = mnw.dy + 2;
        MACIBM_handleclick();
    }
}

// ---- alerts --------------------------------------------------------------

static void copy_line(char* dst, const char* src)
{
    snprintf(dst, line_max, "%s", src ? src : "");
}

static void alert_lines(const char* l1, const char* l2, const char* l3, const char* l4, int level)
{
    copy_line(g_cs1, l1);
    copy_line(g_cs2, l2);
    copy_line(g_cs3, l3);
    copy_line(g_cs4, l4);
    if (level == alert_about) {
        copy_line(g_cs1, "Volanto, Airwright, Foilwright, Terrawright and Skycaster: the flight-simulation suite by the Volanto developers.");
        copy_line(g_cs2, "Version 5.0");
        copy_line(g_cs3, "Made by the Volanto team.");
        copy_line(g_cs4, "Updates come with the suite's source: build the newest and fly on.");
    }
}

// The alert's O.K. button: drawn raised with the window, pressed by a hit.
static const win_box alert_ok = {20, 15, 380, 29};

// Window 996's picture: the four lines and the O.K. button.
static void alert_picture(void)
{
    OGL_string(29, 10, 180, g_cs1, 380, 6);
    OGL_string(29, 10, 140, g_cs2, 380, 6);
    OGL_string(29, 10, 100, g_cs3, 380, 6);
    OGL_string(29, 10, 60, g_cs4, 380, 6);
    OGL_string(29, alert_ok.x1 + 175, alert_ok.y1 + 4, "O.K.", 800, 6);
    MACIBM_button_box(alert_ok, 1);
}

static void show_alert(int level)
{
    if (err.is_open()) {
        err << g_cs1 << '\n' << g_cs2 << '\n' << g_cs3 << '\n' << g_cs4 << '\n';
        err.flush();
    }
    if (ogl_ready) {
        shell.MACIBM_startwind(win_alert);
        while (mnw.topwin == win_alert) {
            MACIBM_event_proc();
            int on_ok = mnw.mouse_clicked && in_box(alert_ok, mnw.mx, mnw.my);
            if (on_ok || return_hit) {
                MACIBM_button_box(alert_ok, 0);
                shell.OGL_sbuf();
                if (level == alert_fatal) mnw.topwin = win_main;
                else shell.MACIBM_startwind(win_main);
            }
            if (gdone && level != alert_fatal) break;
        }
    } else {
        char text[1700];
        snprintf(text, sizeof text, "%s\n\n%s\n\n%s\n\n%s", g_cs1, g_cs2, g_cs3, g_cs4);
        host_beep();
        host_message_box("Volanto-System Message", text);
    }
    // A fatal alert is a failure, and the exit status says so to whoever
    // started the program; only a quit ends it with 0.
    if (level == alert_fatal) {
        gdone = 1;
        MACIBM_finishup();
        exit(1);
    }
}

void MACIBM_alert(const char* line1, const char* line2, const char* line3, const char* line4, int level)
{
    if (level == alert_fatal_number) level = alert_fatal;   // no number given: plainly fatal
    alert_lines(line1, line2, line3, line4, level);
    show_alert(level);
}

void MACIBM_alert(const char* line1, const char* line2, const char* line3, const int* number, int level)
{
    char text[32] = "";
    if (number) snprintf(text, sizeof text, "%d", *number);
    alert_lines(line1, line2, line3, text, level);
    show_alert(level == alert_fatal_number ? alert_fatal : level);
}

// ---- library windows -----------------------------------------------------

static const window_entry library_windows[] = {
    {win_alert, "ALERT", 400, 195},
    {win_question, "ALERT", 300, 100},
    {win_open, "OPEN", 320, 488},
    {win_save, "SAVE", 320, 488},
};

void MACIBM_window_setup(int id, float dx, float dy)
{
    mnw.menu_up = -1;
    mnw.topwin = id;
    mnw.dx = dx;
    mnw.dy = dy;
    mnw.x = (float)intround((800 - dx) * 0.5f);
    mnw.y = (float)intround((600 - dy) * 0.5f);
    to_array = 1;
    got_event = 1;
    mnw.mouse_clicked = 0;
    memset(rgb_array, 0, sizeof rgb_array);
    clear_file_window_state();
}

const char* MACIBM_table_window(int id, const window_entry* table, int count)
{
    const char* title = "";
    float dx = mnw.dx, dy = mnw.dy;
    for (int k = 0; k < count; k++) {
        if (table[k].id != id) continue;
        title = table[k].title;
        dx = table[k].dx;
        dy = table[k].dy;
    }
    MACIBM_window_setup(id, dx, dy);
    return title;
}

void MACIBM_main_view_frame(void)
{
    OGL_line(6, 0, 599, 799, 599);
    OGL_line(6, 0, 598, 799, 598);
    OGL_fillrect(18, 0, 585, 800, 13);
    OGL_line(22, 0, 584, 799, 584);
    OGL_line(22, 0, 583, 799, 583);
    OGL_fillrect(29, 0, 0, 800, 583);
    for (int m = 0; m < menus_max; m++) {
        if (!mnw.menu_name[m][0]) continue;
        OGL_string(22, mnw.menux1[m] + 1, mnw.menuy1[m] + 4, mnw.menu_name[m], 800, 6);
        OGL_string(6, mnw.menux1[m], mnw.menuy1[m] + 5, mnw.menu_name[m], 800, 6);
    }
}

int MACIBM_library_window(int id)
{
    if (id < win_alert || id > win_save) return 0;
    const int count = sizeof library_windows / sizeof library_windows[0];
    MACIBM_window_frame(MACIBM_table_window(id, library_windows, count), 0);
    if (id == win_alert) alert_picture();
#ifndef PROG_VOLANTO
    if (id == win_question) nuke_alert_picture();
#endif
    if (id == win_open || id == win_save) OPENSAVE_draw_frames();
    OGL_upload_background();
    to_array = 0;
    return 1;
}

// ---- shutdown ------------------------------------------------------------

// Touches only the streams that are open, never writes the end mark into a
// data file on ouf, and lets a failed close go.
void MACIBM_finishup(void)
{
    MACIBM_setres(0);
    if (ouf.is_open()) ouf.close();
    ouf.clear();
    if (err.is_open()) {
        err << "end simulation\n";
        err.close();
    }
#ifdef PROG_VOLANTO
    if (trk.is_open()) {
        trk << "end simulation\n";
        trk.close();
    }
    serial_shutdown();
#endif
    dispose_sound();
    JOY_force(12, 0, 0, 0);
    JOY_close();
    host_shutdown();
}

// ---- menus ---------------------------------------------------------------

int m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;

static int is_separator(int item) { return strcmp(mnw.item_name[item], "-") == 0; }

void MACIBM_create_menu(int menu, int parent_item, const char* title)
{
    float& cursor = shell_run.menu_cursor;
    if (menu < 0 || menu >= menus_max) MACIBM_alert("Menu index out of range in create_menu!", "", "", title, alert_fatal);
    if (parent_item < -1 || parent_item >= menus_max * items_per_menu)
        MACIBM_alert("Item index out of range in create_menu!", "", "", title, alert_fatal);
    snprintf(mnw.menu_name[menu], sizeof mnw.menu_name[menu], "%s", title);
    if (parent_item == -1) {
        // Titles run left to right in creation order, 6 units a character and 10 apart.
        if (menu == 0) cursor = 10;
        float w = 6.0f * (float)strlen(mnw.menu_name[menu]);
        mnw.menu_prnt[menu] = -1;
        mnw.menux1[menu] = cursor;
        mnw.menuy1[menu] = 583;
        mnw.menux2[menu] = cursor + w;
        mnw.menuy2[menu] = 600;
        cursor += w + 10;
    } else {
        mnw.menu_prnt[menu] = parent_item / items_per_menu;
        mnw.menux1[menu] = mnw.itemx1[parent_item];
        mnw.menuy1[menu] = mnw.itemy1[parent_item];
        mnw.menux2[menu] = mnw.itemx2[parent_item];
        mnw.menuy2[menu] = mnw.itemy2[parent_item];
    }
}

// Lays out every item of a menu again: one column down from the title (or
// beside a submenu's parent item), a new column once an item would reach
// below y 40. Each item follows the previous non-empty one, so gaps left by
// empty items take no room.
static void layout_menu(int menu)
{
    int first = menu * items_per_menu;
    float w = 0;
    for (int k = 0; k < items_per_menu; k++) {
        int n = (int)strlen(mnw.item_name[first + k]);
        if (n > 0 && 6.0f * n + 25 > w) w = 6.0f * n + 25;
    }
    int prev = -1, top_item = -1;
    for (int k = 0; k < items_per_menu; k++) {
        int it = first + k;
        if (!mnw.item_name[it][0]) continue;
        float h = is_separator(it) ? 2.0f : 12.0f;
        if (prev < 0) {
            top_item = it;
            if (mnw.menu_prnt[menu] == -1) {
                mnw.itemx1[it] = mnw.menux1[menu];
                mnw.itemy2[it] = mnw.menuy1[menu];
                mnw.itemy1[it] = mnw.menuy1[menu] - h;
            } else {
                mnw.itemx1[it] = mnw.menux2[menu];
                mnw.itemy1[it] = mnw.menuy1[menu];
                mnw.itemy2[it] = mnw.menuy2[menu];
            }
            mnw.itemx2[it] = mnw.itemx1[it] + w;
        } else {
            mnw.itemx1[it] = mnw.itemx1[prev];
            mnw.itemx2[it] = mnw.itemx1[prev] + w;
            mnw.itemy2[it] = mnw.itemy1[prev];
            mnw.itemy1[it] = mnw.itemy2[it] - h;
            if (mnw.itemy2[it] < 40) {
                mnw.itemx1[it] += w;
                mnw.itemx2[it] += w;
                mnw.itemy1[it] = mnw.itemy1[top_item];
                mnw.itemy2[it] = mnw.itemy2[top_item];
            }
        }
        prev = it;
    }
}

void MACIBM_append_menu(int menu, int item, const char* name, const char* help)
{
    if (menu < 0 || menu >= menus_max) MACIBM_alert("Menu index out of range in append_menu!", "", "", name, alert_fatal);
    int index = item - menu * items_per_menu;
    if (index < 0 || index >= items_per_menu) MACIBM_alert("Item index out of range in append_menu!", "", "", name, alert_fatal);
    snprintf(mnw.item_name[item], sizeof mnw.item_name[item], "%s", name);
    if (menu < help_menus) snprintf(mnw.item_help[item], sizeof mnw.item_help[item], "%s", help ? help : "");
    layout_menu(menu);
}

// The drop-down's box: the extent of its non-empty items.
static void open_menu(int menu)
{
    float x1 = 999, y1 = 999, x2 = 0, y2 = 0;
    for (int k = 0; k < items_per_menu; k++) {
        int it = menu * items_per_menu + k;
        if (!mnw.item_name[it][0]) continue;
        x1 = fminf(x1, mnw.itemx1[it]);
        y1 = fminf(y1, mnw.itemy1[it]);
        x2 = fmaxf(x2, mnw.itemx2[it]);
        y2 = fmaxf(y2, mnw.itemy2[it]);
    }
    m_x1 = intround(x1);
    m_y1 = intround(y1);
    m_x2 = intround(x2);
    m_y2 = intround(y2);
    mnw.menu_up = menu;
}

void MACIBM_handleclick(void)
{
    got_event = 1;
    int win = mnw.topwin;
    if (win == 0) {
        // A title on the bar, or a submenu of the open menu, opens or closes;
        // the click stays a click for the program.
        for (int m = 0; m < menus_max; m++) {
            int reachable = mnw.menu_prnt[m] == -1 || (mnw.menu_up >= 0 && mnw.menu_prnt[m] == mnw.menu_up);
            if (!reachable || mnw.menux2[m] <= mnw.menux1[m]) continue;
            if (!fltbox(mnw.mx, mnw.my, mnw.menux1[m], mnw.menuy1[m], mnw.menux2[m], mnw.menuy2[m])) continue;
            if (mnw.menu_up == m) mnw.menu_up = -1;
            else open_menu(m);
            return;
        }
        if (mnw.menu_up >= 0) {
            int menu = mnw.menu_up;
            for (int k = 0; k < items_per_menu; k++) {
                int it = menu * items_per_menu + k;
                if (!mnw.item_name[it][0] || is_separator(it)) continue;
                if (!fltbox(mnw.mx, mnw.my, mnw.itemx1[it], mnw.itemy1[it], mnw.itemx2[it], mnw.itemy2[it])) continue;
                // The chosen item takes the click: the program's step never sees
                // it, nor a click left over from a dialog the command ran.
                mnw.menu_up = -1;
                mnw.mouse_clicked = 0;
                shell.APPLICATION_handlemenu(it);
                mnw.mouse_clicked = 0;
                return;
            }
        }
    } else if (win < win_alert || win > win_save) {
        // The close boxes sit in the window's top corners.
        float dx = mnw.dx, dy = mnw.dy;
        int in_left = fltbox(mnw.mx, mnw.my, -1, dy + 2, 9, dy + 12);
        int in_right = fltbox(mnw.mx, mnw.my, dx - 10, dy + 2, dx, dy + 12);
        if (in_left || in_right) {
            for (float x0 : {-1.0f, dx - 10}) {
                MACIBM_button(x0 + 1, dy + 3, x0 + 9, dy + 11, 0);
                MACIBM_button(x0 + 2, dy + 4, x0 + 8, dy + 10, 0);
            }
            shell.OGL_sbuf();
            shell.MACIBM_startwind(win_main);
            return;
        }
    }
    mnw.menu_up = -1;
}
