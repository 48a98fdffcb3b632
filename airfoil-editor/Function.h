// The section model and its files: turns the shape parameters in afl[0] into
// the lift, drag and moment tables that the plots draw and the files carry,
// and writes and reads airfoil and flaps files. Owns the tables and their
// plot scales; generate is their only writer.
#pragma once

const int foil_table = 541;          // -90 to +90 degrees; a flap uses 0 to 400

// Airfoil: entry i + 270 holds the angle i + 180 (i < -200), i / 10 (|i| <= 200)
// or i - 180 (i > 200). Flap: entry i (0..400) holds the deflection i / 400.
extern float cl[foil_table], cd[foil_table], cm[foil_table];
extern float cls, cds, cms;          // plot scales of the three tables

float fcolift(float alpha);          // degrees; needs the fields generate derives
float fcodrag(float alpha);
float fcomomt(float alpha);
// After every change of the parameters: rebuilds the derived fields and the
// tables for msc.part_type; any other type does nothing.
void  generate(void);

float table_alpha(int i);            // the airfoil table's angle at i, -270..270

// Writes the part to msc.part_path as msc.part_type's file. 1 when the whole
// file reached the disk (the part is then clean); 0 after a notice, with the
// part still dirty: also while a table entry is not a finite number.
int   writeoutpart(void);
// Reads the parameters of the part at msc.part_path, then regenerates the
// tables. A file that cannot be opened, is of the other part type, or has a
// damaged constants line ends the program with an alert.
void  readinpart(void);
