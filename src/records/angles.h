// Angle constants, set once at start-up by trigoset; zero until then.
#pragma once

struct AngleRad {
  float RPIO4 = 0.0f, RPIO3 = 0.0f, RPIO2 = 0.0f, R3PIO4 = 0.0f, RPI = 0.0f, R3PIO2 = 0.0f, R2PI = 0.0f;
  float DEGTORAD = 0.0f, RADTODEG = 0.0f;
};
inline AngleRad anglerad;

// The seven angles less 1e-5.
struct AngleRadI {
  float RPIO4M = 0.0f, RPIO3M = 0.0f, RPIO2M = 0.0f, R3PIO4M = 0.0f, RPIM = 0.0f, R3PIO2M = 0.0f,
        R2PIM = 0.0f;
};
inline AngleRadI angleradi;

// The seven angles plus 1e-5.
struct AngleRadS {
  float RPIO4P = 0.0f, RPIO3P = 0.0f, RPIO2P = 0.0f, R3PIO4P = 0.0f, RPIP = 0.0f, R3PIO2P = 0.0f,
        R2PIP = 0.0f;
};
inline AngleRadS anglerads;
