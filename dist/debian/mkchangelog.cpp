// Writes the package's Debian changelog from the program's version history.
// usage: mkchangelog PACKAGE "NAME <ADDRESS>" OUTPUT
#include <cstdio>
#include <string>

#include "info/history.h"

int main(int argc, char **argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage : mkchangelog PAQUET \"NOM <ADRESSE>\" SORTIE\n");
        return 2;
    }
    const std::string text = vrek::info::debianChangelog(argv[1], argv[2]);
    std::FILE *f = std::fopen(argv[3], "wb");
    if (!f) return 1;
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    ok = std::fclose(f) == 0 && ok;
    return ok ? 0 : 1;
}
