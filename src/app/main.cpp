// SPDX-License-Identifier: Apache-2.0
#include "ui/shell/Startup.h"

int main(int argc, char** argv) {
    return orva::RunOrva(argc, argv);
}
