#pragma once
// Geometry is computed in twips (1/1440 inch) and turned into pixels once, here.

// Logical dots per inch of the primary screen (96 without a screen).
double ScreenDpi();
int TwipsToPixels(double twips);
double PixelsToTwips(double pixels);
// The primary screen's size in twips.
int ScreenWidthTwips();
int ScreenHeightTwips();
