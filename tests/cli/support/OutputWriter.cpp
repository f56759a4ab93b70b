// SPDX-License-Identifier: Apache-2.0
// Writes an output slowly through the output writer with named temporary files, as on a file
// system without unnamed ones, so that the kill tests can stop it while its temporary file has
// a name. Usage: output_writer PATH BLOCKS
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

#include "store/OutputFile.h"
#include "store/PosixFileSystem.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: output_writer PATH BLOCKS\n";
        return 2;
    }
    orva::PosixFileSystem named(false);
    orva::OutputFile out(named);
    out.SetPath(argv[1]);
    if (!out.Open(true)) return 1;
    const std::string block(4096, 'x');
    for (int i = 0; i < std::atoi(argv[2]); ++i) {
        if (!out.Write(block.data(), block.size())) return 1;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return out.Close() ? 0 : 1;
}
