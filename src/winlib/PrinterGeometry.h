// Internal to the layer: a printer's page geometry in device pixels. The paper and the printable
// area are both measured from the paper's top-left corner; the printable area lies as far inside
// the right and bottom edges as inside the left and top ones.
#pragma once

#include "Classes.h"

struct TWSPageMetrics;

struct TPrinterGeometry {
    int dpiX = 600, dpiY = 600;
    TRect paper;     // (0, 0, paper width, paper height)
    TRect printable; // inside paper
    double printableWidthMm = 0, printableHeightMm = 0;
};

TPrinterGeometry PrinterGeometry(const TWSPageMetrics& Page);
