// The plot library: plot life cycle, subplots and their maps, drawing in
// user units and centimetres, plot attributes.
//
// Point lists are single-precision arrays of at least n elements, read from
// their first element; the converters may write into the arrays they read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Plot life cycle.
void plinit(std::string& name, std::int32_t iopt);
void plend();
void newpage();
void splotattributes(std::int32_t inter);

// Attribute set-routines: the value (in and out) and the mode inter.
// 0 dialogue from the caller's value, 1 check and store, 2 dialogue from the
// stored value, 3 return the stored value, 4 dialogue from the default,
// 5 store the default and announce it, 6 and 7 resend to the device.
void slinecolor(std::int32_t& icol, std::int32_t inter);
void sfillcolor(std::int32_t& icol, std::int32_t inter);
void stextcolor(std::int32_t& icol, std::int32_t inter);
void slinewidth(float& width, std::int32_t inter);
void slinestyle(std::int32_t& istyle, std::int32_t inter);
void sfillstyle(std::int32_t& istyle, std::int32_t inter);
void stextalign(std::int32_t& ialign, std::int32_t inter);
void stextangle(float& angle, std::int32_t inter);
void stextfont(std::int32_t& ifont, std::int32_t inter);
void stextsize(float& size, std::int32_t inter);
void ssymbolsize(float& size, std::int32_t inter);
void ssymboltype(std::int32_t& itype, std::int32_t inter);
// Colour count, one colour entry and the colour table.
void scolornb(std::int32_t& nbcol, std::int32_t inter);
void scolorrgb(std::int32_t icol, std::string& name, float& red, float& green, float& blue,
               std::int32_t inter);
void scolortable(std::int32_t inter);

// Subplots, plot scaling and map queries.
// inter 1: select isub silently; 0 and other even values: select and show
// the change; 2, 3: return the current subplot; 4 to 7: make subplot 1
// current with an announcement.
void ssubplot(std::int32_t& isub, std::int32_t inter);
// inter 4, 5: default maps for all subplots (4 with the dialogue); 7: bring
// the device side of every subplot's map up to date for an open plot.
void splotscaling(std::int32_t inter);
// Offset v0tow(2) and matrix vtow(2,2), column by column, of the current
// subplot's map: imat 1 user units to cm, imat 3 user units to device
// points. inter 2 or 3.
void splotunits(float* v0tow, float* vtow, std::int32_t imat, std::int32_t inter);

// User-to-centimetre maps of the current subplot (or of all subplots for
// inter 6 and 7). inter 0 caller's values with dialogue, 1 caller's values,
// 2 stored values with dialogue, 3 return the stored values, 4 defaults with
// dialogue, 5 defaults; other values act as 0 when even, as 1 when odd.
// By offset and matrix: xcm = xcm0 + xx xu + xy yu, ycm = ycm0 + yx xu + yy yu.
void sus2cm1(float& xcm0, float& ycm0, float& xx, float& xy, float& yx, float& yy, std::int32_t inter);
// By a user window: (xumin, yumin) at (xcm0, ycm0), (xumax, yumax) at
// (xcm0 + xlcm, ycm0 + ylcm); ixy 1 gives both axes the smaller scale.
void sus2cm3(float& xcm0, float& ycm0, float& xlcm, float& ylcm, float& xumin, float& xumax, float& yumin,
             float& yumax, std::int32_t& ixy, std::int32_t inter);
// Recompute the centimetre-to-user map of the current subplot.
void scm2us();
// Recompute the user-to-device map of the current subplot.
void sus2de();
// The set-up dialogues of the two setters.
void mus2cm1(float& xcm0, float& ycm0, float& xx, float& xy, float& yx, float& yy);
void mus2cm3(float& xcm0, float& ycm0, float& xlcm, float& ylcm, float& xumin, float& xumax, float& yumin,
             float& yumax, std::int32_t& ixy);

// Drawing through the 501-point chunk buffer, into the open plot file.
// Open polyline in user units of the current subplot.
void usline(const float* x, const float* y, std::int32_t n);
// Open polyline in centimetres.
void cmline(const float* x, const float* y, std::int32_t n);
// Closed polygon in user units, cut into closed polygons of at most 501
// vertices.
void uspolygon(const float* x, const float* y, std::int32_t n);
// Text at a point in centimetres, at its full length, trailing blanks
// included, with the text attributes in force.
void cmtext2(float x, float y, std::string_view text);

// Frame conversions with the current subplot's maps.
void us2cm(float* xcm, float* ycm, const float* xus, const float* yus, std::int32_t n);
void us2de(float* xde, float* yde, const float* xus, const float* yus, std::int32_t n);
void cm2de(float* xde, float* yde, const float* xcm, const float* ycm, std::int32_t n);
void lengthcm2de(float& lde, float lcm);

// Copies source points is..min(nx, is + nbuf - 1) into xbuf, ybuf from their
// first element; nchunk gets the count and is the index of the last point
// copied. nx below is is reported and copies nothing.
void buffer2(float* xbuf, float* ybuf, std::int32_t nbuf, std::int32_t& nchunk, const float* x,
             const float* y, std::int32_t nx, std::int32_t& is);
