// bridge: prints "line:", reads "-dcq " + the exchange file's path on standard
// input, and prints the double-dummy tricks of North-South after the lead in
// a line containing "after", the number at characters 5 to 10.
#include <cerrno>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "verify/bridge/ddsolve.h"
#include "verify/bridge/exchangereader.h"

namespace {

int fail(const std::string &message, int code = 1) {
    std::fprintf(stderr, "bridge : %s\n", message.c_str());
    return code;
}

// Up to 255 bytes, or less at a line end or the end of input (typed by hand).
std::string readCommand() {
    std::string c;
    char buf[bridge::kCommandSize];
    while (c.size() < bridge::kCommandSize && c.find('\n') == std::string::npos) {
        ssize_t n = ::read(0, buf, bridge::kCommandSize - c.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        c.append(buf, static_cast<size_t>(n));
    }
    return c;
}

const char *suitName(int s) { return s >= 0 && s < 4 ? "SHDC" + s : "?"; }

}  // namespace

int main(int argc, char **argv) {
    (void)argv;
    if (argc > 1) return fail("aucun argument attendu ; la commande « -dcq FICHIER » se lit sur l'entrée standard.", 2);
    std::fputs("line:\n", stdout);
    std::fflush(stdout);

    std::string path, error;
    if (!bridge::parseCommand(readCommand(), path, error)) return fail(error);
    bridge::Problem p;
    if (!bridge::readExchangeFile(path, p, error)) return fail(error);
    int ns = bridge::nsTricksAfterLead(p, error);
    if (ns < 0) return fail(error, 3);
    std::printf("NS = %2d tricks after lead %c%c\n", ns, *suitName(p.leadSuit), "23456789TJQKA"[p.leadRank - 2]);
    std::fflush(stdout);
    return 0;
}
