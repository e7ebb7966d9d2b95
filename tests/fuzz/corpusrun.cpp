// The fuzz corpus as regression inputs of the ordinary test suite: every
// file of a harness's corpus folder goes through the harness's own checks.
// Usage: fuzz_corpus NAME FOLDER. A failed check aborts; the handler names
// the input first.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <unistd.h>

#include "fuzzcheck.h"

namespace {

std::map<std::string, fuzzcheck::Entry> &harnesses() {
    static std::map<std::string, fuzzcheck::Entry> h;
    return h;
}

char current[4096];

void named(int sig) {
    const char head[] = "fuzz_corpus: failed on ";
    [[maybe_unused]] ssize_t w = ::write(2, head, sizeof head - 1);
    w = ::write(2, current, std::strlen(current));
    w = ::write(2, "\n", 1);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

}  // namespace

bool fuzzcheck::registerHarness(const char *name, Entry entry) {
    harnesses()[name] = entry;
    return true;
}

int main(int argc, char **argv) {
    if (argc != 3 || !harnesses().count(argv[1])) {
        std::fprintf(stderr, "usage: fuzz_corpus NAME FOLDER; NAME one of:");
        for (const auto &h : harnesses()) std::fprintf(stderr, " %s", h.first.c_str());
        std::fprintf(stderr, "\n");
        return 2;
    }
    for (int sig : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL}) std::signal(sig, named);
    const fuzzcheck::Entry entry = harnesses()[argv[1]];
    std::error_code ec;
    int inputs = 0;
    for (const auto &f : std::filesystem::directory_iterator(argv[2], ec)) {
        if (!f.is_regular_file()) continue;
        std::ifstream in(f.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        std::snprintf(current, sizeof current, "%s", f.path().c_str());
        entry(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
        ++inputs;
    }
    if (ec || inputs == 0) {
        std::fprintf(stderr, "fuzz_corpus: no input in %s\n", argv[2]);
        return 1;
    }
    std::printf("%s: %d inputs\n", argv[1], inputs);
    return 0;
}
