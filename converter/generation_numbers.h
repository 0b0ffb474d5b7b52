// The generation number of every generation, read from the GenePop file after the alleles have
// been counted: the number that begins the first individual line after each marker line.
#pragma once

// Fills gen_no[1..n_gen] in the order of the marker lines. A marker is any line whose first
// three characters are "POP", "Pop" or "pop", the locus-name lines included; past the last
// marker the number is 0. A first word that is not a whole number ends the run with the
// file-failure report, before "pelkin.out" is created.
void GetGenerations();
