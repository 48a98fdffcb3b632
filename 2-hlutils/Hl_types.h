// Library records every program shares: the constants record con and the
// window, mouse and menu record mnw (MACIBM_init zeroes and fills both; the
// scene writes the eye point and head-up-display frame of con); the aircraft
// records pln, their airfoil tables afl and the panel layout ins, which the
// simulator's loader fills and the editors read and write. Also the byte swap
// of 4-byte values and of a whole aircraft record from the other platform.
#pragma once
#include <cstdint>

const int path_max = 400;                     // every folder path and file path
const int line_max = 400;                     // a line of text: alert lines, scratch lines

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
    int32_t topwin;                           // the open window: win_main, a program's window or win_alert..win_save
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

// ---- aircraft records ------------------------------------------------------

static_assert(sizeof(float) == 4 && sizeof(int32_t) == 4, "the aircraft file holds 4-byte values");

const int plane_parts = 28;          // the parts below
// The parts of an aircraft by index. A pair's left side is the even index.
const int part_prop_first = 0;       // propellers, one per engine; a helicopter's 0 and 1 are its rotors
const int part_main_rotor = 0;
const int part_tail_rotor = 1;
const int part_prop_last = 3;
const int part_wing_first = 4;       // three wing pairs
const int part_wing_last = 9;
const int part_hstab_left = 10;
const int part_hstab_right = 11;
const int part_vstab_1 = 12;
const int part_vstab_2 = 13;
const int part_pylon_first = 14;     // engine pylons, one per engine
const int part_pylon_last = 17;
const int part_fuselage = 18;
const int part_nacelle_first = 19;   // nacelles, one per engine
const int part_nacelle_last = 22;
const int part_misc_first = 23;      // a misc body, mirrored as 24
const int part_misc_last = 24;
const int part_fairing_first = 25;   // wheel fairings: nose (or left skid), left and right main
const int part_fairing_last = 27;
inline int is_prop(int part) { return part >= part_prop_first && part <= part_prop_last; }
inline int is_wing(int part) { return part >= part_wing_first && part <= part_wing_last; }
inline int is_hstab(int part) { return part == part_hstab_left || part == part_hstab_right; }
inline int is_vstab(int part) { return part == part_vstab_1 || part == part_vstab_2; }
// Wings and stabilisers: the parts built of span-wise elements of an airfoil.
inline int is_surface(int part) { return part >= part_wing_first && part <= part_vstab_2; }
inline int is_pylon(int part) { return part >= part_pylon_first && part <= part_pylon_last; }
inline int is_nacelle(int part) { return part >= part_nacelle_first && part <= part_nacelle_last; }
inline int is_misc_body(int part) { return part >= part_misc_first && part <= part_misc_last; }
inline int is_fairing(int part) { return part >= part_fairing_first && part <= part_fairing_last; }
// The bodies: fuselage, nacelles, misc bodies and fairings, grids of points.
inline int is_body(int part) { return part >= part_fuselage && part <= part_fairing_last; }
inline int in_parts(int part) { return part >= 0 && part < plane_parts; }
const int plane_elements = 8;        // span-wise strips of a part
const int plane_engines = 4;
const int plane_slots = 9;           // instrument slots of the panel
const int plane_stations = 18;       // body cross-sections of a part
const int plane_points = 16;         // points of a cross-section
const int plane_flap_rows = 51;      // rows of the flaps-file tables
const int plane_file_version = 46;

// One aircraft, exactly as its file holds it after the 5-byte header: every
// field 4-byte aligned and packed in this order, 32-bit values, names
// NUL-terminated within 400 bytes. On disk in feet, pounds, hp, engine rpm and
// degrees; the simulator's loader turns the marked fields into SI in place
// ("SI:" gives the unit in memory). Positions: X right, Y up, Z aft.
struct planestruct {
    // names and panel choices (offset 0)
    char C_file[400];                  // file name with extension; the loader puts the caller's back
    char C_name[400];                  // display name: C_file less its extension
    char C_path[400];                  // full path; the loader puts the opened path back
    int32_t is_heli;                   // parts 0 and 1 are main and tail rotor
    int32_t us_alt;                    // recomputed: the scenery position lies in the US box
    char tailnum[400];                 // blanks become NULs on loading
    int32_t asi_units;                 // 1 mph, 2 knots; also the byte-order witness
    float Vso, Vs, Vfe, Vno, Vne;      // ASI unit: stall (landing, clean), flap, cruise and never-exceed speeds
    float Mmo;                         // maximum operating Mach number
    float peX, peY, peZ;               // ft, SI: m; pilot eye point
    int32_t paneltype;                 // 2 sets ecam and the second panel layout
    int32_t radiotype;                 // panel selectors
    int32_t AStype;                    // airspeed indicator: 1, 3 linear from the speeds, 2 fixed 60..449
    int32_t supptype, HUDtype;         // panel selectors
    int32_t VVItype;                   // 2: the finer vertical-speed scale on panel 1
    int32_t ecam;                      // recomputed: (paneltype 2 or numen > 2) and not a helicopter
    int32_t tape;                      // recomputed: numen > 2
    int32_t cp;                        // panel selector, also written by the shell
    float ASpwr;                       // airspeed scale exponent (recomputed for the user aircraft)
    float Vmin, Vmax;                  // ASI unit: airspeed scale ends (recomputed for the user aircraft)
    int32_t gsx1, gsx2, gsw, gsy1, gsyc, gsy2;                  // panel geometry (panel units)
    int32_t ah_dim_int, ah_semidim_int;                         // attitude indicator (recomputed)
    float ah_semidim_flt;
    int32_t ah_top_prim, ah_top_roll, ah_bot_prim, ah_bot_roll;
    float ahx1_prim[118], ahx1_roll[118], ahx2_prim[118], ahx2_roll[118];   // row end points (recomputed)
    int32_t has_ins[plane_slots];      // not read by the loader
    int32_t ins_of_loc[plane_slots];   // instrument kind per panel slot; 0, 4 and 8 are narrow
    int32_t ff_hydraulic, ff_stickshaker;   // force-feedback options

    // engines and propellers (offset 3716)
    int32_t entype;                    // 0 none, 1-2 piston, 3 turboprop, 4-5 jet, 6 rocket
    int32_t revthrustEQ;
    int32_t numen;                     // 0..4
    float sfc;                         // fuel-consumption figure
    float pmax;                        // hp, SI: W
    float gearrat;                     // engine to propeller
    float critalt;                     // ft, SI: m
    float mpmax;                       // inHg, manifold gauge full scale
    float omegamin, omegamax, omegamingreen, omegamaxgreen;   // engine rpm, SI: propeller rad/s
    float tmax, burnerinc;             // lb, SI: N; jet thrust and afterburner increment
    float facejet;                     // sq ft, SI: m2; inlet face
    float spooltime;                   // s
    int32_t vectEQ, varpitchEQ;
    float vectarm;                     // ft, SI: m
    float pylondx, pylondz;
    float trotor_rat;                  // tail-rotor speed ratio
    int32_t propdir[plane_engines];    // loading makes 0 +1 and anything else -1
    float numblades[plane_engines];
    float minpitch[plane_engines], maxpitch[plane_engines];    // deg
    float sidecant[plane_engines], vertcant[plane_engines];    // deg, thrust-line cant
    float miprop[plane_engines];       // recomputed: kg m2
    float discarea[plane_engines];     // recomputed: m2
    float ringarea[plane_engines][plane_elements];             // recomputed: m2 per element ring
    float des_adv[plane_engines], des_rpm[plane_engines], des_vel[plane_engines];   // editor's design point

    // parts and elements (offset 4108)
    char Rafl0[plane_parts][400];      // airfoil files: root low, root high, tip low, tip high Reynolds number
    char Rafl1[plane_parts][400];
    char Tafl0[plane_parts][400];
    char Tafl1[plane_parts][400];
    int32_t els[plane_parts];          // elements used, 1..8
    float Xarm[plane_parts], Yarm[plane_parts], Zarm[plane_parts];   // ft, SI: m; part root
    float Croot[plane_parts], Ctip[plane_parts];                     // ft, SI: m
    float semilen[plane_parts];        // ft, SI: m; semi-span or radius
    float sweep1[plane_parts], sweep2[plane_parts];                  // deg, wrapped to -180..180
    float sweepnow[plane_parts];       // run-time
    int32_t varsweepEQ[plane_parts];
    float dihed[plane_parts];
    float anginc[plane_parts][plane_elements];
    int32_t in_downwash[plane_parts][plane_parts][plane_elements];   // derived: [receiver][source][element]
    int32_t in_propwash[plane_parts][plane_engines][plane_elements]; // derived: [part][engine][element]
    float spec_wash[plane_parts];      // derived
    float lo_washdir[plane_parts][plane_engines], hi_washdir[plane_parts][plane_engines];
    float max_washdir[plane_parts][plane_engines];                   // derived, deg
    float s[plane_parts][plane_elements];     // derived: element area m2
    float mac[plane_parts][plane_elements];   // derived: element mean chord m
    float AR[plane_parts];             // derived
    float e[plane_parts];              // derived: span efficiency
    float delta_fac[plane_parts], al_D_al0[plane_parts], cl_D_cl0[plane_parts], cm_D_cm0[plane_parts];
    float alpha_max[plane_parts];      // deg
    float slat_effect[plane_parts];

    // control surfaces: which elements carry which (offset 83964)
    int32_t ailn[plane_parts][plane_elements];
    int32_t ADFtype;                   // loading makes anything but 2 a 1
    int32_t splr[plane_parts][plane_elements];
    int32_t TStype;                    // loading makes anything but 2 a 1
    int32_t flap[plane_parts][plane_elements];
    int32_t flapEQ;
    int32_t slat[plane_parts][plane_elements];
    int32_t slatEQ;
    int32_t sbrk[plane_parts][plane_elements];
    int32_t sbrkEQ;
    int32_t drud[plane_parts][plane_elements];
    int32_t dummy3;
    int32_t elev[plane_parts][plane_elements];
    int32_t dummy4;
    int32_t rudd[plane_parts][plane_elements];
    float fmax;                        // lb, SI: N
    float slat_inc;                    // deg
    float hstbtrimmax;                 // deg
    int32_t con_smooth;
    int32_t hstabtype;
    char flap_str[400];                // flaps file name
    float clflap[plane_flap_rows], cdflap[plane_flap_rows], cmflap[plane_flap_rows];   // from the flaps file
    int32_t puffEQ, fbrkEQ, chuteEQ, jatoEQ, collectEQ, jettisonEQ;   // recomputed on loading
    float ailn_crat, ailn_up, ailn_dn;                 // chord ratio, deflections (deg)
    float elev_crat, elev_up, elev_dn;                 // a canard's are negated on loading
    float rudd_crat, rudd_def;
    float splr_crat, splr_def;
    float drud_crat, drud_def;
    float sbrk_crat, sbrk_def;

    // bodies (offset 92272)
    int32_t fusewash;
    float fuse_cd;
    float fuseYcent, fuseZcent;                      // derived
    float fuse_s_frn, fuse_s_sid, fuse_s_top;        // derived
    int32_t nace_eq;
    float nace_s;                                    // derived
    int32_t misc_eq;
    float misc_s;                                    // derived
    float misc_X, misc_Y, misc_Z;                    // ft, SI: m; X above 0.01 mirrors the body
    int32_t fair_eq;
    float fair_s;                                    // derived
    float body_r[plane_parts];
    float body_X[plane_parts][plane_stations][plane_points];   // ft, SI: m
    float body_Y[plane_parts][plane_stations][plane_points];
    float body_Z[plane_parts][plane_stations][plane_points];

    // masses and gear (offset 189216)
    float cgZ, cgY;                                  // ft, SI: m
    float Jxx_unitmass, Jyy_unitmass, Jzz_unitmass;  // derived
    float m_empty, m_max, m_fuel, m_jettison;        // lb, SI: kg
    int32_t gear_type;                               // 2 skids, 3 and above wheels
    int32_t gear_retract;
    float nwsteer;                                   // deg; negated on loading for a tail wheel
    float h_eqlbm, the_eqlbm;                        // derived
    float skidX, skidY, skidZ, skidl;                // ft, SI: m
    float ngearZ, ngearY, mgearZ, mgearX, mgearY;    // ft, SI: m; contact points
    float ngearZ_att, ngearY_att, mgearZ_att, mgearX_att, mgearY_att;   // ft, SI: m; attachments
    float ngearcon, ngeardmp, mgearcon, mgeardmp, skidcon, skiddmp;
    float wheelrad;                                  // ft, SI: m
    float condef[9];                                 // run-time: contact deflections, m
    int32_t gear_stat[3];                            // run-time: per leg; a fairing shows while non-zero

    // extras (offset 189404)
    float jatoZ, jatoY;                              // ft, SI: m
    float jatotheta;                                 // deg
    float jatothrust;                                // lb, SI: N
    float jatodur;                                   // s
    float stabroll, stabhdng, ailpitch, ailflaps;
    int32_t antiiceEQ, arrestingEQ, bitchinbettyEQ, autosbrkEQ, autofbrkEQ, autosweepEQ;
    float brake_area, chute_area;                    // sq ft, SI: m2
    float elevcyclic, ailncyclic;                    // deg
    float puffL, puffM, puffN;                       // ft lb, SI: N m
    float AShiV, ASloV;                              // ASI unit; AShiV raised to at least ASloV + 1
    float ASmaxp1, ASp1, ASmaxp2, ASp2, ASmaxh1, ASh1, ASmaxh2, ASh2, ASmaxr1, ASr1, ASmaxr2, ASr2;
};
static_assert(sizeof(planestruct) == 189548, "planestruct is the aircraft file's image");

// The wings sweep: a pair sweeps as its left side says, the three wings and the tail.
inline int has_variable_sweep(const planestruct& a)
{
    for (int part = part_wing_first; part <= part_hstab_left; part += 2)
        if (a.varsweepEQ[part]) return 1;
    return 0;
}

// Engine kinds (entype).
const int engine_none = 0;
const int engine_turboprop = 3;      // 1 and 2 are pistons
const int engine_low_bypass = 4;     // 4 and 5 are jets
const int engine_high_bypass = 5;
const int engine_rocket = 6;
inline int is_piston(const planestruct& a) { return a.entype == 1 || a.entype == 2; }
inline int is_jet(const planestruct& a) { return a.entype == engine_low_bypass || a.entype == engine_high_bypass; }
// Piston and turboprop engines turn propellers (a helicopter's, rotors);
// jets and rockets do not.
inline int turns_propellers(const planestruct& a) { return is_piston(a) || a.entype == engine_turboprop; }

// Airfoil tables of one aircraft, filled from four airfoil files per part:
// [part][root 0 / tip 1][low Re 0 / high Re 1]. Lift tables hold angle-of-
// attack magnitudes of index 100..270 at 0..170, drag tables 0..270; index i
// is i/10 degrees up to 200 (20 degrees), i - 180 degrees above. The scalars
// at the head are the airfoil editor's section model (its part 0 slot); the
// simulator never reads them.
const int afl_lift_rows = 171;
const int afl_drag_rows = 271;

struct airfoilstruct {
    float FLPlco1, FLPlco2, FLPlco3, FLPdco1, FLPdco2, FLPdco3, FLPmco1, FLPmco2, FLPmco3;
    float Lpow, Lstall, Ldrop1, Ldrop2, Lpowstl, almin, almax;
    float DminCL, Dmin, Dal10, Dpow, Bwidth, Bdepth, Bpower, Bloc;
    float Llintostall, linlolift, linhilift, LstallnegPLdrop1, LstallposMLdrop1;
    float alDmin, tenMalDmin, delD, Blocalpha, Bwidth1, Bwidth2, Bpwr1, Bpwr2, Bdepth1, Bdepth2;
    float almintoend, almintolin, almaxtoend, almaxtolin;

    float trat[plane_parts][2];                        // thickness ratio
    float Re[plane_parts][2][2];                       // millions
    float al_zl[plane_parts][2][2];                    // zero-lift angle, deg
    float clpos[plane_parts][2][2][afl_lift_rows];
    float cdpos[plane_parts][2][2][afl_drag_rows];
    float clneg[plane_parts][2][2][afl_lift_rows];     // by magnitude of the negative angle
    float cdneg[plane_parts][2][2][afl_drag_rows];
    float clM[plane_parts][2][2];                      // lift slope of the linear range, per deg
    float clB[plane_parts][2][2];                      // lift at zero angle
    float cmal2[plane_parts][2][2], cmal3[plane_parts][2][2];
    float cm1[plane_parts][2][2], cm2[plane_parts][2][2], cm3[plane_parts][2][2], cm4[plane_parts][2][2];
};
static_assert(sizeof(airfoilstruct) == 400908, "airfoilstruct keeps its stated layout");

// The airfoil and flaps files: version, and the device codes that tell the two apart.
const int afl_file_version = 363;
const int afl_device_code = 1234;
const int flp_device_code = 2345;

// The instrument panel: where each instrument kind sits and the needle scales,
// laid out by the loader for the user's aircraft; the panel and the scene
// draw from it. Positions in units of the 800 x 600 screen, origin bottom left.
const int ins_kinds = 11;    // instrument kinds 1-10 (0 unused)

struct inststruct {
    float asi_scale;             // needle degrees per unit of speed^ASpwr
    float vvi_scale;
    float tac_scale, n1_scale, mpr_scale, trq_scale, ff_scale;
    int ins_on[10];              // per kind 1-9: shown
    float ins_x[ins_kinds];      // per kind 1-10: centre
    float radio_dx, radio_dy;    // offset of the radio stack
    float ins_y[ins_kinds];
    float lite_rgb[3];           // panel light colour; tints colours 0 to 38
    float altim_set;             // inHg, the altimeter's setting knob
    int ins_sw[5];               // glass-display mode switches
    float ins_val[3];            // glass-display settings
    float ah_pitch, ah_roll;     // the attitude indicator's reading, degrees
    int jato_burning;            // the panel lights the JATO; the build-up puts it out when spent
    int chute_out;               // the drag chute is streamed
    float reply_on, reply_off;   // s of sim_time: the transponder reply light's flash window
    int ecam_page;               // page of the ECAM; 7 the cautions, shown after a new failure
    int anti_ice;                // the panel's anti-ice switch
    int ldg_lights;              // the landing-light switch
    int hud_on;                  // the head-up display switch
    int hud_colour;              // the head-up display's colour switch: 0 the darker greens
    int hook_down;               // the arresting hook switch
    float dg_hdg;                // the heading gyro's reading, degrees 0..360
    float dh_ft;                 // decision height, ft
    int adf_card;                // the ADF's turned card, degrees 0..359
};

extern planestruct pln[2];
extern airfoilstruct afl[2];
extern inststruct ins;

// ---- byte order -------------------------------------------------------------

// Reverses the 4 bytes at p in place (byte 0 with 3, 1 with 2).
void rev_byte_order4(void* p);

// Turns every numeric field of pln[n] that an aircraft file supplies from the
// other byte order into ours; names and loader-computed fields are left as read.
void rev_pln_bytes(int n);
