// Numeric helpers shared by the colour schemes, the slide input and the manuscript pages.
#pragma once

// (b - a) * t + a: t = 0 gives a, t = 1 gives b.
double Lerp(double a, double b, double t);
// The smaller of the two; a on a tie.
double MinDouble(double a, double b);
