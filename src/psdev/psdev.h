// PostScript device interface: the bottom layer of the plotting stack. It
// writes one PostScript plot file on unit 50 from coordinates already in
// device points (28.35 to the centimetre), keeps the device state in
// psparams_90 and the colour cache ICURCOLOR of plt2blk.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Life cycle of the plot file.
// Opens the plot file (asking for the page format and, for an even iopt, the
// file name with fname as default) and writes the prolog and page 1 header.
// fname comes back holding the name of the file that was opened.
void intplinit(std::string& fname, std::int32_t iopt);
// Strokes an open path, ends the page and begins the next one.
void intnewpage();
// Asks for a Return, strokes an open path, writes the trailer and closes.
void intplend();

// Paths, polygons and colour. Points are in device points and in/out: a
// coordinate beyond +-9.9e7 is clamped in the caller's variable.
// mode 1: "newpath" and "moveto" (path open); mode 0: "moveto" only.
void psmoveto(float& x, float& y, std::int32_t mode);
// One "lineto" per point 1..n of x and y.
void pslineto(float* x, float* y, std::int32_t n);
// Strokes the open path in the line colour, if any.
void psstrokepath();
// Open polyline through x(1..n), y(1..n), stroked.
void deline(float* x, float* y, std::int32_t n);
// Closed polygon through x(1..n), y(1..n), filled or hollow, outlined.
void depolygon(float* x, float* y, std::int32_t n);
// Line width in points.
void intslinewidth(float w);
// Colour selection through the cache: -1 colour 1, 0 the cached colour,
// 1 line, 2 fill, 3 text colour.
void psrgbcolor(std::int32_t kind);

// Text and the centimetre-to-point scale.
// Text at the device point (x, y) with the current font, size, angle,
// colour and justification; the point is in/out as for psmoveto.
void detext2(float& x, float& y, std::string_view text);
// Font 1..16 for the texts that follow.
void intstextfont(std::int32_t ifont);
// Text height in centimetres.
void intstextsize(float size);
// Sets the centimetre-to-point map of plt1blk: 28.35 points per centimetre.
void scm2de();

namespace psdev {
// True while a plot file is open on the device's unit and drawing reaches it.
bool plot_file_open();
}  // namespace psdev
