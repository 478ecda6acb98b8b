// Writes the parser's seed inputs into a folder, one file each, for the fuzzer.
#include "DatagramSeeds.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-folder\n", argv[0]);
        return 2;
    }
    int n = 0;
    for (const std::string& seed : datagramSeeds()) {
        std::ofstream out(std::string(argv[1]) + "/seed" + std::to_string(n++), std::ios::binary);
        out.write(seed.data(), static_cast<std::streamsize>(seed.size()));
    }
    return 0;
}
