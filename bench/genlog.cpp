// Writes a generated log file for bench/compare.sh: zelkor_genlog qso|swl|swl-new ROWS FILE.

#include "LogGenerator.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "Uso: zelkor_genlog qso|swl|swl-new RIGHE FILE\n");
        return 2;
    }
    const bool swl = std::strncmp(argv[1], "swl", 3) == 0;
    const bool allNew = std::strcmp(argv[1], "swl-new") == 0;
    const int rows = std::atoi(argv[2]);
    std::FILE* file = std::fopen(argv[3], "wb");
    if (file == nullptr) {
        std::perror(argv[3]);
        return 1;
    }
    zelkor::bench::RowGenerator generator(rows, swl, allNew);
    std::string text = generator.FileHeader();
    for (int i = 0; i < rows; ++i) {
        text += generator.FileLine(generator.Next());
        if (text.size() > (1 << 20)) {
            std::fwrite(text.data(), 1, text.size(), file);
            text.clear();
        }
    }
    std::fwrite(text.data(), 1, text.size(), file);
    if (std::fclose(file) != 0) {
        std::perror(argv[3]);
        return 1;
    }
    return 0;
}
