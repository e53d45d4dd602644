// The arc paper's values that the preview rebuild and the print loop hand to its renderers.
#pragma once

struct TArcArguments {
    float Diameter = 100.0f; // mm
    int Divisions = 0;       // radial lines per circle
    int Rings = 1;           // concentric circles, the outermost included
    int CircleStyle = 0;     // line-type index of the rings
    int DivisionStyle = 0;   // line-type index of the radial lines
};

// Reads Edit24, Edit26, Edit25, ComboBox5 and ComboBox9 of the main window, each with its
// default: a diameter that is not a number is 100 mm, a division count that is not a whole
// number 0, a ring count of "0" or one that is not a whole number 1.
TArcArguments ReadArcArguments();
