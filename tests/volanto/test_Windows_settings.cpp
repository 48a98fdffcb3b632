// The weights window's endurance against hand-worked burns, the glider's
// and the dry engines' 0 among them.
#include <gtest/gtest.h>

#include "HL_MNW.h"
#include "Windows.h"
#include "records.h"
#include "test_support.h"

#include <cmath>

TEST(WeightsWindow, EnduranceIsTheFuelOverTheFullPowerBurnOfAllEngines)
{
    MACIBM_set_constants();
    reset_suite_state();
    const float lb = con.lbstokgs;
    struct {
        const char* what;
        int entype, numen;
        float rating, sfc;     // hp, or lb of thrust; lb an hour per hp or per lb
        float fuel_lb, hours;
    } cases[] = {
        // 100 hp at 0.5: 50 lb/h flat out, 1% of it at idle; at 0.55275 of
        // the power 0.5 + 49.5 x 0.55275 = 27.861 lb/h an engine.
        {"twin piston", 1, 2, 100, 0.5f, 557.22f, 10},
        {"turboprop", 3, 1, 100, 0.5f, 0, 0},
        // 1000 lb at 0.8: 800 lb/h, 5% at idle; 40 + 760 x 0.27975 = 252.61 lb/h.
        {"jet", 4, 1, 1000, 0.8f, 2526.1f, 10},
        {"rocket", 6, 1, 1000, 10, 1000, 0.1f},
        {"glider", 0, 0, 0, 0, 500, 0},
        {"piston without engines", 1, 0, 100, 0.5f, 500, 0},
        {"piston of no power", 1, 1, 0, 0.5f, 500, 0},
        {"jet of no fuel burn", 5, 2, 1000, 0, 500, 0},
    };
    for (const auto& c : cases) {
        planestruct& a = pln[0];
        a.entype = c.entype;
        a.numen = c.numen;
        a.sfc = c.sfc;
        a.pmax = c.rating * con.hptowatt;
        a.tmax = a.fmax = c.rating * con.lbstontn;
        float h = endurance_hours(c.fuel_lb * lb);
        EXPECT_TRUE(std::isfinite(h)) << c.what;
        EXPECT_NEAR(h, c.hours, c.hours * 1e-3f + 1e-6f) << c.what;
    }
}
