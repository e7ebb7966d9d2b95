// Entry of the Qt program: a batch command when the first argument names
// one, else the window. `vrek` hands over here what it does not run itself.
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/cli.h"
#include "app/vrekhp.h"

namespace {

void printHelp() {
    std::printf("Vrek %s - distributeur de donnes de bridge\n\n", TForm1::kVersion);
    std::printf("usage : vrek [SERIE.vrk]          ouvre la fenêtre (sur la série donnée)\n");
    std::printf("        vrek --help | --version\n");
    // By name: the order the commands register in depends on how the program was linked.
    std::vector<const cli::Command *> byName;
    for (const auto &c : cli::commands()) byName.push_back(&c);
    std::sort(byName.begin(), byName.end(), [](auto *a, auto *b) { return a->name < b->name; });
    for (const cli::Command *c : byName)
        std::printf("        vrek %-40s %s\n", c->usage.c_str(), c->summary.c_str());
}

bool endsWithVrk(const char *arg) {
    const size_t n = std::strlen(arg);
    return n >= 4 && arg[n - 4] == '.' && (arg[n - 3] | 0x20) == 'v' && (arg[n - 2] | 0x20) == 'r' &&
           (arg[n - 1] | 0x20) == 'k';
}

}  // namespace

int main(int argc, char **argv) {
    if (argc > 1) {
        if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
            printHelp();
            return 0;
        }
        if (!std::strcmp(argv[1], "--version")) {
            std::printf("vrek %s\n", TForm1::kVersion);
            return 0;
        }
        for (const auto &c : cli::commands())
            if (c.name == argv[1]) return c.run(std::vector<std::string>(argv + 2, argv + argc));
        if (argv[1][0] == '-') {
            std::fprintf(stderr, "option inconnue : %s\n", argv[1]);
            printHelp();
            return 2;
        }
        // Only a series opens the window: any other word is a mistyped
        // command, never a file to create under that name.
        if (!endsWithVrk(argv[1])) {
            std::fprintf(stderr, "commande inconnue : %s\n", argv[1]);
            printHelp();
            return 2;
        }
    }
    return runApplication(argc, argv);
}
