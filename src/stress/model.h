// The stress model behind the menu: Sv and Pf at the study depth, and the
// friction law kept consistent in its three forms.
#pragma once

#include "stress/state.h"

// Sv and Pf at the study depth, from the tops and densities.
void profile_at_z(VarnholtState& s);
// The friction law from PHI0 (degrees), or from XMU; both also give K.
void friction_from_angle(VarnholtState& s);
void friction_from_coefficient(VarnholtState& s);
