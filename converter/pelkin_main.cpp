// The entry of the program Pelkin, whose run is in Pelkin.cpp.
#include "conversion_run.h"

int main(int argc, char** argv) {
    return PelkinMain(argc, argv);
}
