#pragma once

// Values of the shipped product catalogue that the program relies on.

// The vacuum-unit series treated apart: its pictures depend on the system category,
// its names and notes have no "_2" variant, and with a vacuum unit of it the
// release supply pressure must be at least 0.3 MPa (its pilot valves need it).
inline constexpr char SpecialUnitSeries[] = "VUP";
