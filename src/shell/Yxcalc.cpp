#include "Yxcalc.h"

double Lerp(double a, double b, double t) {
    return (b - a) * t + a;
}

double MinDouble(double a, double b) {
    return a > b ? b : a;
}
