// Closing pictures, written on the standard output unit.
#pragma once

void carmag33();
void endfun1();
void graben();
void happyface();
void horst();
void sator();
void sorryface();
void tetrakis();
void tetratemple1();
void tetratemple2();
