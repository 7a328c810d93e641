// The countdown's text: minutes and seconds of the time left, truncated, never negative.
#include <gtest/gtest.h>
#include "game/chrono.h"

namespace {

double minutes(double m) { return m * 60000.0 / msParJour; }
double millisecondes(double ms) { return ms / msParJour; }

struct CasChrono {
    double dureeJours;
    const char* attendu;
};

TEST(Chrono, FormatsMinutesAndTruncatedSeconds) {
    const CasChrono cas[] = {
        {minutes(12), "12:00"},                       // a 12-minute level starts at 12:00, not 11:59
        {minutes(8), "08:00"},
        {minutes(12) - millisecondes(1), "11:59"},    // one millisecond gone: the seconds truncate
        {millisecondes(30999), "00:30"},              // the warning second
        {millisecondes(30000), "00:30"},
        {millisecondes(29999), "00:29"},
        {millisecondes(999), "00:00"},
        {0.0, "00:00"},
        {millisecondes(-1500), "00:00"},              // a stall past zero still reads zero, so it expires
        {minutes(59) + millisecondes(59999), "59:59"},
    };
    for (const CasChrono& c : cas) EXPECT_EQ(formaterChrono(c.dureeJours), c.attendu) << c.dureeJours * msParJour << " ms";
}

}  // namespace
