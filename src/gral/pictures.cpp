#include "gral/pictures.h"

// Stubs until the pictures are drawn.
void carmag33() {}
void endfun1() {}
void graben() {}
void happyface() {}
void horst() {}
void sator() {}
void sorryface() {}
void tetrakis() {}
void tetratemple1() {}
void tetratemple2() {}
