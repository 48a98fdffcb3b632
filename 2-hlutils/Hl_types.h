// Library records every program shares: the constants record con and the
// window, mouse and menu record mnw. MACIBM_init zeroes and fills both; the
// scene writes the eye point and head-up-display frame of con. Also the byte
// swap of 4-byte values and of a whole aircraft record from the other platform.
#pragma once
#include <cstdint>

struct constantstruct {
    float muearth, rearth, rhoSL, pSL, muair, gammaairM1;
    float pi, pim2, pid2, R, e, g, rho_h20;
    float lbstokgs, kgstolbs, fttomtrs, mtrstoft, hptowatt, watttohp;
    float dgrtodgk, dgktodgr, radtodeg, degtorad, ktstomsc, msctokts;
    float rpmtorsc, rsctorpm, fpmtomsc, msctofpm, nmtomtrs, mtrstonm;
    float sftosmtr, smtrtosf, lbstontn, ntntolbs, ftlbtonm, nmtoftlb;
    float endtomed, medtoend, enptomep, meptoenp, enItomtI, mtltoenl;
    float nm_to_sm, sm_to_nm, mtrtoplt, plttomtr;
    float mtrtonrt, nrttomtr;                 // set by the region loader
    float VIEW_xyz[3];                        // the eye point, set by the scene
    float cntrx, cntry;
    float HUD_lft, HUD_top, HUD_rgt, HUD_bot; // head-up-display frame, set by the scene
};

const int menus_max = 320;                    // menus 0 to 319
const int items_per_menu = 100;               // items 0 to 99 of each menu
const int help_menus = 15;                    // help texts only for menus 0 to 14

struct menuwindowstruct {
    void* wind;                               // the program's window
    int32_t topwin;                           // 0 main view, 996 alert, 997 question, 998 open, 999 save
    int32_t menu_up;                          // open menu, -1 for none
    float x, y;                               // origin of the open window (reference units)
    float dx, dy;                             // its width and height
    float XRES, YRES, CRES;                   // pixels wide, high, colour bits
    float XRAT, YRAT;                         // pixels per reference unit
    float help_x1, help_y2;                   // tool tip of this frame
    char help_message[400];
    char menu_name[menus_max][40];
    int32_t menu_prnt[menus_max];
    char item_name[menus_max * items_per_menu][40];
    char item_help[help_menus * items_per_menu][400];
    float menux1[menus_max], menuy1[menus_max], menux2[menus_max], menuy2[menus_max];
    float itemx1[menus_max * items_per_menu], itemy1[menus_max * items_per_menu];
    float itemx2[menus_max * items_per_menu], itemy2[menus_max * items_per_menu];
    float mx, my;                             // mouse (reference units, relative to x, y)
    int32_t mouse_clicked, mouse_lifted;      // a button went down / up this frame
    int32_t now_dragging, delay_dragging;     // held / held longer than 0.5 s
    float time_elapsed;                       // seconds since the first frame
    int32_t draw_wire;                        // wire-frame switch of the aircraft drawing
};

extern constantstruct con;
extern menuwindowstruct mnw;

// File kinds that the open, list and dialog calls pass.
const int kind_airfoil = 200;
const int kind_flaps = 201;
const int kind_aircraft = 202;
const int kind_situation = 203;
const int kind_scenery = 204;
const int kind_bitmap = 205;
const int kind_object = 206;
const int kind_airports = 207;
const int kind_navaids = 208;
const int kind_text = 209;

// Reverses the 4 bytes at p in place (byte 0 with 3, 1 with 2).
void rev_byte_order4(void* p);

// Turns every numeric field of pln[n] that an aircraft file supplies from the
// other byte order into ours; names and loader-computed fields are left as read.
// Built only into the programs that hold aircraft records.
void rev_pln_bytes(int n);
