#include "support/expect.h"  // kept for the tests that include it by this name
