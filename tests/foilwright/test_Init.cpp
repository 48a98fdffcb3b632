// Foilwright's program: New, Open, Quit and the part switch against the save
// question and the dialogs; Save As's extension rule; the plot's edges, its
// start readout, view 301 over stall angles from a file and over a lift
// slope of 0; the menus' check marks and pictures; a field edited by a click;
// and a save into a read-only folder.
#include <gtest/gtest.h>

#include "Function.h"
#include "HL_BTN.h"
#include "HL_FILE.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Init.h"
#include "host_test.h"
#include "test_support.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

static std::string at(const std::string& name) { return std::string(test_scratch_folder()) + name; }

// ---- scripted question and dialogs -------------------------------------------

// What the save question and the dialogs answer, and what they were asked.
static struct {
    int answer;                      // nuke_save, nuke_discard or nuke_cancel
    int asked;
    int dialog_ok;                   // the dialog's OK, or its Cancel
    int dialogs;
    std::string save_path;           // where the save dialog points, less the extension
    std::string offered;             // the name the dialog started on
} script;

static int scripted_question(const char*)
{
    script.asked++;
    return script.answer;
}

static int scripted_dialog(int mode, int, char* name, char* path)
{
    script.dialogs++;
    script.offered = name;
    if (!script.dialog_ok) return 0;
    std::string p = mode == win_open ? at("Opened.afl") : script.save_path;
    snprintf(name, path_max, "%s", std::filesystem::path(p).filename().c_str());
    snprintf(path, path_max, "%s", p.c_str());
    return 1;
}

// The marker the tests tell parts apart by: the maximum lift.
const float lift_default = 1.6f;
const float lift_edited = 1.2f;
const float lift_opened = 1.4f;

class Commands : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        err.open("Error.out", std::ios::out | std::ios::trunc);
        gdone = 0;
        script = {};
        script.save_path = at("Wing");
        // The file Open picks.
        reset_to_default(part_airfoil);
        afl[0].Lstall = lift_opened;
        snprintf(msc.part_path, sizeof msc.part_path, "%s", at("Opened.afl").c_str());
        ASSERT_EQ(writeoutpart(), 1);
        reset_to_default(part_airfoil);
        foil_calls.MACIBM_nuke_alert = scripted_question;
        foil_calls.MACIBM_opensave = scripted_dialog;
    }
};

// ---- New, Open, Quit and the part switch ---------------------------------------

const int none = 0;                  // the question is not asked

TEST_F(Commands, SaveQuestionLetsTheCommandGoOnlyOnceTheEditsAreSafe)
{
    const struct {
        const char* what;
        int item, dirty, named, answer, dialog_ok, write_fails;
        float lift;                  // what the part holds afterwards
        int type, dirty_after, gdone, saved;
    } cases[] = {
        {"New, clean", item_new, 0, 0, none, 1, 0, lift_default, part_airfoil, 0, 0, 0},
        {"New, Save, named", item_new, 1, 1, nuke_save, 1, 0, lift_default, part_airfoil, 0, 0, 1},
        {"New, Save, named, write failed", item_new, 1, 1, nuke_save, 1, 1, lift_edited, part_airfoil, 1, 0, 0},
        {"New, Save, untitled", item_new, 1, 0, nuke_save, 1, 0, lift_default, part_airfoil, 0, 0, 1},
        {"New, Save, untitled, dialog cancelled", item_new, 1, 0, nuke_save, 0, 0, lift_edited, part_airfoil, 1, 0,
         0},
        {"New, Save, untitled, write failed", item_new, 1, 0, nuke_save, 1, 1, lift_edited, part_airfoil, 1, 0, 0},
        {"New, Don't Save", item_new, 1, 0, nuke_discard, 1, 0, lift_default, part_airfoil, 0, 0, 0},
        {"New, Cancel", item_new, 1, 1, nuke_cancel, 1, 0, lift_edited, part_airfoil, 1, 0, 0},
        {"Open, clean", item_open, 0, 0, none, 1, 0, lift_opened, part_airfoil, 0, 0, 0},
        {"Open, clean, dialog cancelled", item_open, 0, 0, none, 0, 0, lift_edited, part_airfoil, 0, 0, 0},
        {"Open, Don't Save", item_open, 1, 1, nuke_discard, 1, 0, lift_opened, part_airfoil, 0, 0, 0},
        {"Open, Save, named, write failed", item_open, 1, 1, nuke_save, 1, 1, lift_edited, part_airfoil, 1, 0, 0},
        {"Open, Cancel", item_open, 1, 0, nuke_cancel, 1, 0, lift_edited, part_airfoil, 1, 0, 0},
        {"Quit, clean", item_quit, 0, 0, none, 1, 0, lift_edited, part_airfoil, 0, 1, 0},
        {"Quit, Save, named", item_quit, 1, 1, nuke_save, 1, 0, lift_edited, part_airfoil, 0, 1, 1},
        {"Quit, Save, named, write failed", item_quit, 1, 1, nuke_save, 1, 1, lift_edited, part_airfoil, 1, 0, 0},
        {"Quit, Save, untitled, dialog cancelled", item_quit, 1, 0, nuke_save, 0, 0, lift_edited, part_airfoil, 1,
         0, 0},
        {"Quit, Don't Save", item_quit, 1, 0, nuke_discard, 1, 0, lift_edited, part_airfoil, 1, 1, 0},
        {"Quit, Cancel", item_quit, 1, 0, nuke_cancel, 1, 0, lift_edited, part_airfoil, 1, 0, 0},
        {"Flap, clean", item_flap, 0, 0, none, 1, 0, lift_default, part_flap, 0, 0, 0},
        {"Flap, Save, untitled", item_flap, 1, 0, nuke_save, 1, 0, lift_default, part_flap, 0, 0, 1},
        {"Flap, Cancel", item_flap, 1, 0, nuke_cancel, 1, 0, lift_edited, part_airfoil, 1, 0, 0},
        {"Airfoil again, clean", item_airfoil, 0, 1, none, 1, 0, lift_default, part_airfoil, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        reset_to_default(part_airfoil);
        gdone = 0;
        script.asked = script.dialogs = 0;
        script.answer = c.answer;
        script.dialog_ok = c.dialog_ok;
        afl[0].Lstall = lift_edited;
        generate();
        msc.part_dirty = c.dirty;
        msc.part_named = c.named;
        std::string folder = c.write_fails ? at("no such folder/") : at("");
        std::string target = c.named ? folder + "Named.afl" : folder + "Wing.afl";
        std::filesystem::remove(target);
        script.save_path = folder + "Wing";
        if (c.named) snprintf(msc.part_path, sizeof msc.part_path, "%s", target.c_str());

        APPLICATION_handlemenu(c.item);

        EXPECT_EQ(script.asked, c.answer == none ? 0 : 1);
        EXPECT_FLOAT_EQ(afl[0].Lstall, c.lift);
        EXPECT_EQ(msc.part_type, c.type);
        EXPECT_EQ(msc.part_dirty, c.dirty_after);
        EXPECT_EQ(gdone, c.gdone);
        EXPECT_EQ(std::filesystem::exists(target), c.saved == 1);
        if (c.lift == lift_default) {
            EXPECT_STREQ(msc.part_fname, c.type == part_flap ? "Untitled.flp" : "Untitled.afl");
        }
    }
}

// ---- Save and Save As -------------------------------------------------------------

TEST_F(Commands, SaveAsAddsThePartTypesExtensionUnlessTheNameHasIt)
{
    const struct {
        int type;
        const char* typed;
        const char* file;
    } cases[] = {
        {part_airfoil, "Wing", "Wing.afl"},
        {part_airfoil, "Wing.afl", "Wing.afl"},
        {part_airfoil, "Wing.AFL", "Wing.AFL"},
        {part_airfoil, "Wing.Afl", "Wing.Afl.afl"},
        {part_airfoil, "Wing.flp", "Wing.flp.afl"},
        {part_airfoil, "Wing.af", "Wing.af.afl"},
        {part_flap, "Split", "Split.flp"},
        {part_flap, "Split.FLP", "Split.FLP"},
        {part_flap, "Split.afl", "Split.afl.flp"},
    };
    script.dialog_ok = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        reset_to_default(c.type);
        msc.part_dirty = 1;
        std::string folder = at(std::string("as") + std::to_string(&c - cases) + "/");
        std::filesystem::create_directories(folder);
        script.save_path = folder + c.typed;
        EXPECT_EQ(saveasproc(), 1);
        EXPECT_STREQ(msc.part_fname, c.file);
        EXPECT_EQ(std::string(msc.part_path), folder + c.file);
        EXPECT_EQ(msc.part_named, 1);
        EXPECT_EQ(msc.part_dirty, 0);
        EXPECT_TRUE(std::filesystem::exists(folder + c.file));
    }
}

// The dialog lists no file whose name starts with a dot: such a name is
// refused, and the part stays as it was.
TEST_F(Commands, SaveAsRefusesAnEmptyOrDotName)
{
    script.dialog_ok = 1;
    for (const char* typed : {"", ".afl", ".hidden"}) {
        SCOPED_TRACE(typed);
        reset_to_default(part_airfoil);
        msc.part_dirty = 1;
        std::string folder = at("dots/");
        std::filesystem::create_directories(folder);
        script.save_path = folder + typed;
        EXPECT_EQ(saveasproc(), 0);
        EXPECT_STREQ(msc.part_fname, "Untitled.afl");
        EXPECT_EQ(msc.part_named, 0);
        EXPECT_EQ(msc.part_dirty, 1);
        EXPECT_TRUE(std::filesystem::is_empty(folder));
    }
    EXPECT_NE(std::string(host_test_last_message_box()).find("a name must not be empty or begin with a dot"),
              std::string::npos);
}

// The dialog starts on the name less its extension, so that a long name fits
// its typed line whole and comes back as the same file.
TEST_F(Commands, SaveAsOffersTheNameWithoutItsExtension)
{
    script.dialog_ok = 0;
    snprintf(msc.part_fname, sizeof msc.part_fname, "%s", "Laminar.afl");
    saveasproc();
    EXPECT_EQ(script.offered, "Laminar");
    snprintf(msc.part_fname, sizeof msc.part_fname, "%s", "Laminar.Afl");
    saveasproc();
    EXPECT_EQ(script.offered, "Laminar.Afl");
}

// A folder made under the scratch folder whose path is n characters long.
static std::string folder_of_length(size_t n)
{
    std::string f = at("");
    while (f.size() < n) f += std::string(std::min<size_t>(100, n - f.size() - 1), 'd') + "/";
    std::filesystem::create_directories(f);
    return f;
}

TEST_F(Commands, SaveAsRefusesAPathTheExtensionWouldNotFit)
{
    script.dialog_ok = 1;
    msc.part_dirty = 1;
    // With ".afl" the path would be path_max characters long, one too many.
    script.save_path = folder_of_length(path_max - 8) + "Wing";
    int boxes = host_test_message_box_count();
    EXPECT_EQ(saveasproc(), 0);
    EXPECT_EQ(host_test_message_box_count(), boxes + 1);
    EXPECT_NE(std::string(host_test_last_message_box()).find("too long"), std::string::npos);
    EXPECT_STREQ(msc.part_fname, "Untitled.afl");
    EXPECT_EQ(msc.part_named, 0);
    EXPECT_EQ(msc.part_dirty, 1);

    // One character shorter is taken; the writer then answers for it (its
    // own notice: the file goes out under a longer temporary name first).
    script.save_path = folder_of_length(path_max - 9) + "Wing";
    saveasproc();
    EXPECT_EQ(strlen(msc.part_path), (size_t)path_max - 1);
    EXPECT_EQ(msc.part_named, 1);
    EXPECT_EQ(std::string(host_test_last_message_box()).find("too long"), std::string::npos);
}

TEST_F(Commands, SaveWritesANamedPartAtOnceAndAsksForANameOtherwise)
{
    script.dialog_ok = 1;
    msc.part_dirty = 1;
    APPLICATION_handlemenu(item_save);
    EXPECT_EQ(script.dialogs, 1);
    EXPECT_EQ(std::string(msc.part_path), at("Wing.afl"));
    EXPECT_EQ(msc.part_dirty, 0);

    msc.part_dirty = 1;
    APPLICATION_handlemenu(item_save);
    EXPECT_EQ(script.dialogs, 1);
    EXPECT_EQ(msc.part_dirty, 0);

    APPLICATION_handlemenu(item_save_as);
    EXPECT_EQ(script.dialogs, 2);
}

// The real save dialog, a name typed and Enter, into a folder the user may
// not write: the old file stays as it was and the part stays dirty. Root may
// write anything, so the save runs as an ordinary user there.
TEST_F(Commands, SaveIntoAReadOnlyFolderKeepsTheOldFileAndTheEdits)
{
    foil_calls.MACIBM_opensave = MACIBM_opensave;
    mnw.XRES = 800;
    mnw.YRES = 600;
    mnw.XRAT = mnw.YRAT = 1;
    host_test_clock(0, 10);
    const std::string root = at("prog/"), folder = root + "airfoils/";
    std::filesystem::create_directories(folder);
    snprintf(app_path, path_max, "%s", root.c_str());
    snprintf(afl_path, path_max, "%s", folder.c_str());
    snprintf(msc.part_path, sizeof msc.part_path, "%sWing.afl", folder.c_str());
    ASSERT_EQ(writeoutpart(), 1);
    const std::string before = read_file(folder + "Wing.afl");

    afl[0].Lstall = lift_edited;
    generate();
    msc.part_dirty = 1;
    snprintf(msc.part_fname, sizeof msc.part_fname, "Wing");
    const uid_t nobody = 65534;
    const bool as_root = geteuid() == 0;
    if (as_root) {
        for (const std::string& f : {at(""), root}) ASSERT_EQ(chmod(f.c_str(), 0755), 0);
    }
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
    host_test_push_frame_break();
    host_test_push_key(VK_RETURN, 0);
    if (as_root) {
        ASSERT_EQ(seteuid(nobody), 0);
    }
    int saved = saveasproc();
    if (as_root) {
        ASSERT_EQ(seteuid(0), 0);
    }
    chmod(folder.c_str(), 0755);

    EXPECT_EQ(saved, 0);
    EXPECT_EQ(std::string(msc.part_path), folder + "Wing.afl");
    EXPECT_EQ(read_file(folder + "Wing.afl"), before);
    EXPECT_EQ(msc.part_dirty, 1);
    EXPECT_EQ(std::filesystem::exists(folder + "Wing.afl.new"), false);
}

// ---- menus ---------------------------------------------------------------------------

TEST(Menus, OneMarkInPartAndOneInViewAndAPictureByPartType)
{
    const struct {
        int type, view;
        const char* picture;
    } cases[] = {
        {part_airfoil, view_alpha, "AFL"},
        {part_airfoil, view_polar, "AFL"},
        {part_flap, view_alpha, "FLP"},
        {part_flap, view_polar, "FLP"},
    };
    reset_suite_state();
    APPLICATION_setupmenus();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " " + std::to_string(c.view));
        msc.part_type = c.type;
        msc.view_type = c.view;
        for (int item = 0; item < 4 * items_per_menu; item++) {
            if (!mnw.item_name[item][0]) continue;
            int marked = (item == c.type) || (item == c.view);
            EXPECT_EQ(APPLICATION_item_marked(item), marked) << mnw.item_name[item];
            // Every item but the rule tells what it does.
            EXPECT_EQ(mnw.item_help[item][0] != 0, item != item_file_rule) << mnw.item_name[item];
        }
        EXPECT_STREQ(APPLICATION_main_picture(), c.picture);
    }
    EXPECT_STREQ(mnw.item_name[item_quit], "Quit");
    EXPECT_STREQ(mnw.item_name[item_view_polar], "Cd Cm VS. Cl");
}

TEST(Menus, ViewItemsChangeTheViewAndNothingElse)
{
    reset_suite_state();
    reset_to_default(part_airfoil);
    msc.part_dirty = 1;
    APPLICATION_handlemenu(item_view_polar);
    EXPECT_EQ(msc.view_type, view_polar);
    APPLICATION_handlemenu(item_view_alpha);
    EXPECT_EQ(msc.view_type, view_alpha);
    EXPECT_EQ(msc.part_dirty, 1);
}

// ---- the plot --------------------------------------------------------------------------

// The screen drawn into the software picture, as the program would draw it.
class Plot : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        // Colours the counts tell apart.
        OGL_assigncolor(0, 1, 1, 1);
        OGL_assigncolor(1, 0, 1, 0);
        OGL_assigncolor(2, 1, 0, 0);
        OGL_assigncolor(3, 1, 1, 0);
        OGL_assigncolor(6, 0.5f, 0.5f, 0.5f);
        memset(rgb_array, 0, sizeof rgb_array);
        to_array = 1;
        reset_to_default(part_airfoil);
        mnw.mx = mnw.my = -100;      // the mouse away from the plot and the fields
    }
    void TearDown() override { to_array = 0; }
    static int lit(int x, int y)
    {
        const unsigned char* p = rgb_array + ((size_t)y * 800 + x) * 3;
        return p[0] || p[1] || p[2];
    }
    // Pixels of colour c in the plot box.
    static int count_colour(int c)
    {
        int n = 0;
        for (int y = plot_y_low; y <= plot_y_high + 1; y++)
            for (int x = plot_x; x <= plot_x + plot_last_column; x++) {
                const unsigned char* p = rgb_array + ((size_t)y * 800 + x) * 3;
                n += p[0] == current_of(c, 0) && p[1] == current_of(c, 1) && p[2] == current_of(c, 2);
            }
        return n;
    }
    static unsigned char current_of(int c, int k)
    {
        OGL_setcolor(c);
        return current_rgb[k];
    }
};

TEST_F(Plot, PointsInsideTheBoxEdgesIncludedAreDrawnAndNoOthers)
{
    const struct {
        float value;
        int y;                       // the point's row, -1 for none
    } cases[] = {
        {0.0f, 340}, {1.0f, 540}, {-1.0f, 140}, {1.006f, -1}, {-1.006f, -1}, {0.5f, 440},
        {NAN, -1}, {INFINITY, -1}, {-INFINITY, -1}, {3e38f, -1}, {-3e38f, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        int column = (int)(&c - cases) * 7;
        elementpoint(1, column, c.value);
        int x = plot_x + column, drawn = 0;
        for (int y = 0; y < 600; y++) drawn += lit(x, y);
        if (c.y < 0) {
            EXPECT_EQ(drawn, 0);
        } else {
            EXPECT_TRUE(lit(x, c.y));
            EXPECT_TRUE(lit(x, c.y + 1));
            EXPECT_EQ(drawn, 2);
        }
    }
}

TEST_F(Plot, StartsWithTheCursorAtFiveDegreesAndFollowsTheMouseInTheBox)
{
    EXPECT_EQ(plot_run.cursor, 250);
    EXPECT_FLOAT_EQ(cursor_position(), 5.0f);
    EXPECT_EQ(plot_index(plot_run.cursor), 320);
    EXPECT_FLOAT_EQ(table_alpha(320 - 270), 5.0f);
    APPLICATION_update();
    EXPECT_TRUE(lit(plot_x + 250, 300));                    // the cursor line
    EXPECT_TRUE(lit(plot_x + 250, plot_y_low));
    EXPECT_TRUE(lit(plot_x + 250, plot_y_high));

    const struct {
        float mx, my;
        int cursor;
    } moves[] = {
        {650, 540, 400}, {250, 140, 0}, {400.7f, 300, 150}, {651, 300, 150}, {300, 139, 150}, {249, 541, 150},
    };
    for (const auto& m : moves) {
        mnw.mx = m.mx;
        mnw.my = m.my;
        APPLICATION_update();
        EXPECT_EQ(plot_run.cursor, m.cursor) << m.mx << ", " << m.my;
    }
    reset_to_default(part_flap);
    EXPECT_FLOAT_EQ(cursor_position(), 150 * 0.0025f);       // New keeps the cursor where it was
}

// Each column shows the lift of the table entry it is held to: stall angles
// read from a file need not lie within the fields' bounds, and may hold a
// column past either end of the table.
TEST_F(Plot, PolarViewHoldsEveryColumnToTheStallAndToTheTable)
{
    const struct {
        float almin, almax;
        int column, shown;           // the column whose lift stands at column's place
    } cases[] = {
        {-15, 15, 0, 50},  {-15, 15, 400, 349}, {-15, 15, 250, 250},    // the fields' own
        {-50, 50, 0, 0},   {-50, 50, 400, 400}, {-50, 50, 123, 123},
        {-15, -50, 0, 50}, {-15, -50, 300, 0},                          // the stall below -20
        {50, 15, 0, 400},  {50, 15, 399, 400},                          // and above 20
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.almin) + " " + std::to_string(c.almax) + " " + std::to_string(c.column));
        reset_to_default(part_airfoil);
        afl[0].almin = c.almin;
        afl[0].almax = c.almax;
        snprintf(msc.part_path, sizeof msc.part_path, "%s", at("stall.afl").c_str());
        ASSERT_EQ(writeoutpart(), 1);
        reset_to_default(part_airfoil);
        snprintf(msc.part_path, sizeof msc.part_path, "%s", at("stall.afl").c_str());
        readinpart();
        ASSERT_FLOAT_EQ(afl[0].almin, c.almin);
        msc.view_type = view_polar;
        EXPECT_EQ(fpx(c.column), (int)(cl[c.shown + 70] * 125) + 200);
    }
    // Columns from outside the plot are held to it too.
    EXPECT_EQ(fpx(-5), fpx(0));
    EXPECT_EQ(fpx(450), fpx(400));
    // A flap's column shows its lift alone.
    reset_to_default(part_flap);
    msc.view_type = view_polar;
    EXPECT_EQ(fpx(400), (int)(cl[400] * 200));
    EXPECT_EQ(fpx(0), 0);
}

TEST_F(Plot, LiftSlopeOfZeroDrawsLiftAndMomentButNoDrag)
{
    afl[0].clM[0][0][0] = 0;
    generate();
    ASSERT_FALSE(std::isfinite(cd[320]));
    for (int view : {view_alpha, view_polar}) {
        SCOPED_TRACE(view);
        memset(rgb_array, 0, sizeof rgb_array);
        msc.view_type = view;
        APPLICATION_update();
        EXPECT_EQ(count_colour(2), 0);
        EXPECT_GT(count_colour(3), 0);
        EXPECT_GT(count_colour(1), 0);      // lift, or in view 301 the lift axis
    }
    // A lift that is no number has no place across the plot either.
    cl[320] = NAN;
    EXPECT_EQ(fpx(250), plot_no_column);
    memset(rgb_array, 0, sizeof rgb_array);
    elementpoint(3, fpx(250), 0);
    int drawn = 0;
    for (int k = 0; k < rgb_array_bytes; k++) drawn += rgb_array[k] != 0;
    EXPECT_EQ(drawn, 0);
}

TEST_F(Plot, AClickOnAFieldEditsRegeneratesAndMakesThePartDirty)
{
    // Lstall at (192, 454): the second place of 1.6000 steps by a tenth.
    mnw.mx = 192 + 15;
    mnw.my = 454 + 10;
    mnw.mouse_clicked = 1;
    APPLICATION_update();
    EXPECT_NEAR(afl[0].Lstall, 1.7f, 1e-6);
    EXPECT_EQ(msc.part_dirty, 1);
    EXPECT_NEAR(cl[270 + 149], 1.7f, 0.01);   // the tables were rebuilt: 14.9 degrees

    // A value held to its field's bounds without a click changes nothing else.
    reset_to_default(part_airfoil);
    afl[0].almin = -50;
    mnw.mouse_clicked = 0;
    APPLICATION_update();
    EXPECT_FLOAT_EQ(afl[0].almin, -19.999f);
    EXPECT_EQ(msc.part_dirty, 0);
}
