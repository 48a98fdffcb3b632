// The scenery region around the aircraft: the environment record env (where
// the region lies in the local frame, ground heights, contact flags, ships),
// the region's terrain grid, the marks and lists of its airports and
// navaids, and the object ring. The region loader fills them; the flight
// model, the scene, the charts, placement and the real weather read them.
#pragma once

const int square_cells_x = 59;   // cells of one scenery square west to east
const int square_cells_z = 79;   // and south to north
const int region_grid_x = 3 * square_cells_x + 1;   // 178 vertices west to east: three squares
const int region_grid_z = 2 * square_cells_z + 1;   // 159 vertices south to north: two squares

// 44 fields of 32 bits, in this order.
struct environmentstruct {
    float ground_h;              // m, terrain or deck under aircraft 0
    float camera_ground_h;       // m, terrain under the camera
    float deck_h;                // m, platform or rig deck under the aircraft
    int reg_lat;                 // degrees, the region's south edge
    int reg_lon;                 // degrees, the region's west edge
    float mag_var;               // degrees, west positive
    float elev_min, elev_max;    // m, lowest and highest vertex of the region, and 0
    float reg_west_x, reg_east_x;    // m
    float reg_north_z, reg_south_z;  // m; reg_south_z is the local z of reg_lat
    float reg_width, reg_depth;      // m
    int cam_cell_i, cam_cell_j;      // the camera's cell
    int plane_cell_i, plane_cell_j;  // aircraft 0's cell
    float map_zoom, map_x, map_z, profile_shift;   // the chart view
    int on_carrier, on_frigate, on_platform;       // what the aircraft is over, set by the drawers
    int surface_type;            // 62..67 under the aircraft
    // carrier [0] and frigate [1]: m, degrees, deg/s
    float ship_x[2], ship_y[2], ship_z[2];
    float ship_pitch[2], ship_hdg[2], ship_roll[2];
    float ship_pitch_rate[2], ship_turn[2], ship_roll_rate[2];
};

static_assert(sizeof(environmentstruct) == 176, "env is 44 fields of 32 bits");

extern environmentstruct env;

// A ship's x and z until a region places it: far outside any region.
const float ship_unplaced = -9.9e9f;

// How fast the carrier [0] and the frigate [1] steam along their headings (m/s).
const float ship_speed[2] = {15, 10};

// A ship (0 the carrier, 1 the frigate) lies in the loaded region: only
// then can a start find it or does it steam on.
int ship_in_region(int s);
// A point lies in the loaded region, its edges included: by latitude and
// longitude (the 2 x 3 degrees from its corner), or by local x and z.
int latlon_in_region(float lat, float lon);
int xz_in_region(float x, float z);

// The weather field's column and row (atm.wx_grid) under the local point
// (x, z), each truncated toward zero: 1 when that is a cell of the field.
// Off it they are held within ten cells of the edges, so that a window
// about them reaches the cells near an edge; with no region laid out they
// are -10, off every edge.
int wx_cell(float x, float z, int* i, int* j);

// The region's terrain grid, [i][j] with i west to east and j south to north.
// The region loader fills it; a cell is named by its lower corner (i, j).
// x east, elevation, z south (m); vertex [59 c][79 r] is the south-west
// corner of the region's square in column c (0..2) and row r (0..1).
extern float planexyz[region_grid_x][region_grid_z][3];
extern float planenrml[region_grid_x][region_grid_z][3];      // unit vertex normals
// Texture coordinates of the cell's corners: [di][dj] is corner (i + di, j + dj), then s, t.
extern float planest[region_grid_x][region_grid_z][2][2][2];
extern unsigned planetex[region_grid_x][region_grid_z];        // cell texture id (2000 up: custom)
extern int is_water[region_grid_x][region_grid_z];
extern int city_on_poly[region_grid_x][region_grid_z];
extern int tree_on_poly[region_grid_x][region_grid_z];
extern int offp_on_poly[region_grid_x][region_grid_z];         // offshore platform cell
extern int oilr_on_poly[region_grid_x][region_grid_z];         // oil rig cell
// Per cell and triangle: city light points and tree points.
extern float city_xyz[region_grid_x][region_grid_z][2][7][3];
extern float tree_xyz[region_grid_x][region_grid_z][2][4][3];

// The region loader's marks over the world's airport table (world_apt_max,
// Initgen.h): 1 for an airport whose first runway lies in the loaded region.
extern int apt_inreg[12000];
extern int nav_inreg[20000];     // over the navaid table (world_nav_max): 1 in the region

// The region's own lists, in database order: its airports (apt_lcl_max the
// last in use, -1 when the region has none), VORs and NDBs.
const int local_list_max = 92;
extern int apt_to_index[local_list_max];
extern int apt_lcl_max;
extern int vor_to_index[local_list_max];
extern int vor_lcl_max;          // the last VOR in use, -1 when none
extern int ndb_to_index[local_list_max];
extern int ndb_lcl_max;

// The object ring: buildings, towers, navaid huts and custom objects, each
// up to 51 elements of 1 to 4 points in the local frame. Type 0 is a free
// slot; an object's place for region tests is its first element's first point.
const int obj_slots = 4000;
const int obj_elements = 51;
extern int obj_type[obj_slots];
extern int obj_poltyp[obj_slots][obj_elements];   // points of the element; 99 ends a custom list
extern int obj_texrgb[obj_slots][obj_elements];   // texture id, or a packed colour for points and lines
extern float obj_xyz[obj_slots][obj_elements][4][3];   // m
extern float obj_nrml[obj_slots][obj_elements][3];
extern int obj_inrange[obj_slots];                  // set by the frame's culling

// The custom texture table: entry k is texture 1000 + k.
const int obj_textures = 1000;
const int obj_texname_max = 40;

// What the object ring keeps for the whole run: region loads and scrolls
// never reset it. The cursor is the slot used last (-1 before the first
// object), so the 4,001st object built reuses slot 0 whatever it holds; a
// custom texture name is loaded once and keeps its id.
struct objectringstruct {
    int cursor;
    int tex_count;                                  // the next entry to fill; wraps to 0 after 999
    char tex_name[obj_textures][obj_texname_max + 1];
};
extern objectringstruct obr;
// Once at start-up (and by the tests' reset): no object built, no texture named.
void clear_object_ring_run(void);

// Object kinds that build_obs takes.
const int obj_tower = 1, obj_building = 2, obj_mast = 3, obj_pylon = 4, obj_headed_tower = 5,
          obj_chimney = 6, obj_custom = 8, obj_ndb_hut = 9, obj_vor = 10, obj_localizer = 11,
          obj_glide_slope = 12, obj_marker = 13, obj_hangar = 97;
const int obj_tall_first = 90, obj_tall_last = 93;   // tall buildings; 90..92 with a helipad roof: 94..96
const int obj_helipad_first = 94, obj_helipad_last = 96;
const int obj_list_base = 100;   // an element list of n elements is stored as type 100 + n

// Builds one object into the next ring slot: (x, z) local metres; value the
// height in metres (2..6, 90..93) or the heading in degrees (8, 11); name the
// custom object's file name without ".OBJ" (8). It stands on the terrain
// height at (x, z). A custom object file is read on inf2 while the scenery
// square stays open on inf1: afterwards the scanners read inf1 in binary with
// the line end they had. Its texture word may end its line: the rest of the
// line after it is skipped, never the next line.
void build_obs(float x, float z, float value, const char* name, int type);
// Appends a line of the packed colour (r x 10000 + g x 100 + b, tenths) to
// the slot; *element is the slot's last element (-1 before the first).
void build_obs_line(float x1, float y1, float z1, float x2, float y2, float z2, int slot, int* element,
                    int colour);
// Appends a box of four walls and a roof with the texture id, turned by
// heading whole degrees about the reference point.
void build_obs_shack(float half_x, float half_z, float y_bottom, float y_top, int heading, int slot, int* element,
                     float x_centre, int texture);

// The weather field (atm.wx_grid, rows NORTH to south) and the cloud grid
// move with the region. The cloud grid runs [i][j] with i west to east and
// j SOUTH to north, 16 points a degree: column 16 on the region's west edge
// and 64 on its east edge, row 16 on its south edge and 48 on its north
// edge; 5 x 4 sectors of 16 x 16 cells.
const int cloud_cols = 81;
const int cloud_rows = 65;
const int cloud_sector = 16;
extern float cloudxyz[cloud_cols][cloud_rows][3];   // m
extern float cloudrgb[cloud_cols][cloud_rows][3];   // grey shade, the three equal

// The fractal of a block of points i0..i1 by j0..j1 of a grid whose point
// (i, j) is grid[(i x row_stride + j) x elem_stride + comp], levels
// level_from..level_to. The caller fills the block with its start value; the
// block's outer edge keeps it.
void fractalize(int i0, int j0, int i1, int j1, float* grid, int row_stride, int elem_stride, int comp, float lo,
                float hi, int level_from, int level_to);
// The weather block of quadrant q (0..2 the southern squares west to east, 3..5 the northern).
void gen_wx_for_sec(int quadrant);
// Cloud sector (si 0..4, sj 0..3) of the overcast layer.
void fill_a_sector_with_ocast(int si, int sj);
// Move the blocks i_q0..i_q1 by j_q0..j_q1 (units of 210 points for the
// weather, 16 for the clouds, both end lines included) by di, dj points.
void shift_weather(int i_q0, int i_q1, int j_q0, int j_q1, int di, int dj);
void shift_cloud(int i_s0, int i_s1, int j_s0, int j_s1, int di, int dj);

// Runway index to runway geometry slot (-1: none), over the runway table
// (world_rwy_max); rwy_geo the last slot handed out, -1 before the first.
extern int rwy_geo_ind[16000];
extern int rwy_geo;
// Runway r's geometry slot, -1 for none or for a runway index out of the table.
int runway_slot(int r);

// The custom terrain texture names of the square read into each quadrant
// (0..2 the southern squares west to east, 3..5 the northern): slot k is
// texture 2000 + base + k; an empty name is an unused slot. A scroll moves
// them with their squares.
const int square_textures = 100;
struct quadtexstruct {
    int lat, lon;    // the square's south-west corner
    int base;        // its texture base
    char name[square_textures][41];
};
extern quadtexstruct quad_tex[6];
// Loads the named custom terrain textures of quadrant q (its square's read
// names them) at the texture resolution of now.
void load_square_textures(int q);
// Loads entry k of the custom object texture table (texture 1000 + k).
void load_object_texture(int k);

// A block of a grid's points: its first and last column and row, all included.
struct gridblock {
    int i_lo, i_hi, j_lo, j_hi;
};
// The scrolls' block of units q0..q1 by r0..r1 (iu by ju points a unit):
// 1 when it lies inside a grid of cols x rows points before and after the
// move by di, dj, with *b its points.
int scroll_block(int q0, int q1, int r0, int r1, int iu, int ju, int di, int dj, int cols, int rows, gridblock* b);
// Moves the block's points of a grid of `rows` points a column, each of
// `bytes`, by di, dj, from the far end, so that a source is read before the
// move overwrites it.
void move_grid_block(void* grid, int rows, int bytes, const gridblock& b, int di, int dj);

// A texture name that means none: empty, or a beginning of "Untitled".
int untitled_name(const char* name);

// Reads the scenery square with south-west corner (lat, lon) into quadrant
// q of the region grid, with what the square and the world databases imply;
// the region loader calls it once per new square, after the local lists and
// runway slots are built.
void read_quadrant(int lat, int lon, int quadrant);
// Moves the grid data of quadrant columns i_q0..i_q1 by rows j_q0..j_q1
// (units of 59 and 79 vertices, end lines included) by di, dj vertices, and
// the camera's and aircraft's cells with them.
void shift_geo(int i_q0, int i_q1, int j_q0, int j_q1, int di, int dj);
// A runway end's label: "Rwy 06L", "Pad 18", ...; out holds 8.
void rway_to_cs(int number, char letter, int pad, char* out);

// Builds the region whose south-west corner is env.reg_lat, env.reg_lon
// (the caller sets them first): mode 1 a full load with the corner at x = 0,
// z = 0; 2, 3, 4, 5 scroll it one degree west, east, north, south, reading
// only the new squares. Also rebuilds the local lists, the runway slots and
// the whole menu bar, and places fires and ships.
void load_region(int mode);
// Counts the region loads and scrolls of the run (0 before the first): what
// the frame culled from is stale once it moves.
extern int region_loads;
// Loads again, at the texture resolution of now, the custom terrain textures
// of the loaded squares and the custom object textures of the run's table:
// all that a resolution change asks of the region.
void reload_region_textures(void);
