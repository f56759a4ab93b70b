#include "Startup.h"

int main(int argc, char** argv) {
    return orva::RunOrva(argc, argv);
}
