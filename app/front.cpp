// `vrek` itself: the batch front. The commands that need no Qt (show, deal,
// import, export without analysis) run here, in a program that loads no Qt
// library at all, so that they start at once. Anything else (the window,
// the drawing and solver commands, help, a mistyped command) goes to the Qt
// program beside it, vrek-qt, which runs the same command line in the same
// process, so that messages and exit codes are its own.
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/cli.h"
#include "app/version.h"
#include "core/fileio.h"

namespace {

constexpr const char *kQtProgram = "vrek-qt";

// The Qt program's path: beside this program, found through the system's
// link to it, else through the name it was started by.
std::string qtProgram(const char *argv0) {
    char self[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    std::string path = n > 0 ? std::string(self, static_cast<size_t>(n)) : std::string(argv0);
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? kQtProgram : path.substr(0, slash + 1) + kQtProgram;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc > 1) {
        if (!std::strcmp(argv[1], "--version")) {
            std::printf("vrek %s\n", vrek::kProgramVersion);
            return 0;
        }
        const std::vector<std::string> args(argv + 2, argv + argc);
        for (const auto &c : cli::commands())
            if (c.name == argv[1] && !(c.needsQt && c.needsQt(args))) return c.run(args);
    }
    const std::string program = qtProgram(argv[0]);
    if (program.find('/') == std::string::npos) ::execvp(program.c_str(), argv);
    else ::execv(program.c_str(), argv);
    const int e = errno;
    std::fprintf(stderr, "Impossible de lancer %s : %s\n", program.c_str(), vrek::errnoText(e).c_str());
    return 1;
}
