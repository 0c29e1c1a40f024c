// Quillorn: two groups of decimal odds in, return rates and hedge results out.
#include "app/program_entry.h"

int main() { return quillorn::RunProgram(); }
