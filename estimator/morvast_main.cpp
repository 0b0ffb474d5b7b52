// The entry of the program Morvast, whose run is in Morvast.cpp.
#include "estimation_run.h"

int main(int argc, char** argv) {
    return MorvastMain(argc, argv);
}
