// The general library in one include.
#pragma once

#include "gral/angles.h"
#include "gral/cmdfile.h"
#include "gral/errend.h"
#include "gral/fileopen.h"
#include "gral/format.h"
#include "gral/frames.h"
#include "gral/freeform.h"
#include "gral/hostfacts.h"
#include "gral/lines.h"
#include "gral/matrix.h"
#include "gral/pictures.h"
#include "gral/prompts.h"
#include "gral/runend.h"
#include "gral/sio.h"
#include "gral/text.h"
#include "gral/units.h"
