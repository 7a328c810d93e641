// The level countdown's text: the time left as two-digit minutes and seconds ("12:00", "00:30").
// Pure formatting, shared by the level start and the frame's countdown display.
#pragma once
#include <string>

// Time values of the game are date-time durations counted in days.
constexpr double msParJour = 86400000.0;

// "nn:ss" of a duration in days: minutes of the hour and whole seconds (truncated, after rounding the
// duration to the millisecond as a date-time does). A negative duration reads "00:00", so that a stall
// which skips the last second still lets the countdown expire.
std::string formaterChrono(double dureeJours);

// The countdown expired: the label then reads "Bonus" for the rest of the level.
constexpr const char* texteChronoExpire = "Bonus";
constexpr const char* texteChronoZero = "00:00";
constexpr const char* texteChronoAlerte = "00:30";
