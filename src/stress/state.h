// The application state: the stress parameters, display flags, strengths and
// work arrays that the main program holds for the whole run. Only the main
// menu's codes change the parameters; the plots read them.
#pragma once

#include <cstdint>
#include <string>

#include "records/fixedtext.h"

struct VarnholtState {
  // Display flags.
  bool LRHO = true;     // Sv and Pf from heights and densities
  bool LTOTAL = true;   // total (true) or effective stress
  bool LFRICT = true;   // regime polygons of the Shmax v Shmin plot
  bool LBO = true;      // breakout limit lines
  bool LDITF = true;    // drilling-induced fracture limit lines
  bool LLINES = true;   // Sv lines of the Shmax v Shmin plot
  bool LCOLOR = true;   // regime triangles in colour
  bool LSV = true;      // Sv curve of the stress v depth plot
  bool LPF = true;      // Pf curve of the stress v depth plot
  bool LFRICTZ = true;  // frictional-limit curves of the stress v depth plot

  // Depths (m, positive downwards), densities (kg/m3), stresses (MPa).
  float Z = 1000.0f;
  float ZROCK = 0.0f;
  float ZFLUID = 0.0f;
  float RHOWET = 2530.0f;
  float RHODRY = 2430.0f;
  float RHOF = 1000.0f;
  float SV = 0.0f;
  float PF = 0.0f;

  // Friction law: the four always describe the same law.
  float XMU = 0.85f;
  float PHI0R = 0.0f;  // radians
  float PHI0 = 0.0f;   // degrees
  float XK13 = 0.0f;   // K = S1e/S3e max

  // Uniaxial tensional and compressional strengths (MPa); the first NT0
  // (NC0) are in force, the others wait for the count to grow.
  std::int32_t NT0 = 1;
  fixed::Array<float, 5> T0{{10.0f, 10.0f, 10.0f, 10.0f, 10.0f}};
  float DT0 = 0.0f;
  std::int32_t NC0 = 1;
  fixed::Array<float, 5> C0{{100.0f, 100.0f, 100.0f, 100.0f, 100.0f}};
  float DC0 = 0.0f;

  std::int32_t ICHOICE = 0;
  std::string PLOTFILE = fixed::blanks(50);
  std::string CMDFILE = fixed::blanks(50);

  // Work arrays: depths handed to the profile, its results, and the stress
  // abscissae of the plotted lines.
  fixed::Array<float, 5> XP01{};
  fixed::Array<float, 5> YP01{};
  fixed::Array<float, 5> SV01{};
  fixed::Array<float, 5> PF01{};
};
