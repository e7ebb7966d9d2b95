// bridge: the double-dummy solver program vrek starts.
//
// With no argument it answers one question: prints "line:", reads "-dcq " +
// the exchange file's path on standard input, and prints the tricks of
// North-South after the lead in a line containing "after", the number at
// characters 5 to 10. With "-suite" it answers the same question again and
// again, a new "line:" after each answer, until its input ends. With
// "-table" it reads deals and writes their tables and par (tablemode.h). With
// "-play" it reads positions of the play and writes what each card of the
// player on turn makes (playmode.h).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <string>
#include <unistd.h>
#include <vector>

#include <dds/dll.h>

#include "verify/bridge/ddsolve.h"
#include "verify/bridge/exchangereader.h"
#include "verify/bridge/playmode.h"
#include "verify/bridge/tablemode.h"

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

// One question: the command, the exchange file, the answer. 0 when answered.
int answerOne(const std::string &command) {
    std::string path, error;
    if (!bridge::parseCommand(command, path, error)) return fail(error);
    bridge::Problem p;
    if (!bridge::readExchangeFile(path, p, error)) return fail(error);
    int ns = bridge::nsTricksAfterLead(p, error);
    if (ns < 0) return fail(error, 3);
    std::printf("NS = %2d tricks after lead %c%c\n", ns, *suitName(p.leadSuit), "23456789TJQKA"[p.leadRank - 2]);
    return 0;
}

int single() {
    std::fputs("line:\n", stdout);
    std::fflush(stdout);
    int rc = answerOne(readCommand());
    std::fflush(stdout);
    return rc;
}

// The loaded library is kept for every question; a fault ends the run as
// it ends a single question, and the caller starts another program.
int suite() {
    for (;;) {
        std::fputs("line:\n", stdout);
        std::fflush(stdout);
        std::string command = readCommand();
        if (command.empty()) return 0;
        if (int rc = answerOne(command)) return rc;
    }
}

bool inputWaiting() {
    pollfd p{0, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
}

// Deals are gathered while more are waiting, so that the library shares a
// batch among its threads; each batch is answered as soon as it is done.
int table() {
    SetMaxThreads(0);  // one thread per core
    constexpr size_t kBatch = 16;
    std::string buffer;
    bool ended = false;
    std::vector<std::string> lines;
    while (!ended || !lines.empty()) {
        while (!ended && (lines.empty() || (lines.size() < kBatch && inputWaiting()))) {
            char chunk[4096];
            ssize_t n = ::read(0, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                ended = true;
                if (!buffer.empty()) lines.push_back(buffer);
                buffer.clear();
                break;
            }
            buffer.append(chunk, static_cast<size_t>(n));
            for (size_t e; (e = buffer.find('\n')) != std::string::npos;) {
                lines.push_back(buffer.substr(0, e));
                buffer.erase(0, e + 1);
            }
            if (buffer.size() > 4096) return fail("ligne trop longue en entrée");
        }
        const size_t take = std::min(lines.size(), kBatch);
        std::vector<bridge::TableRequest> requests;
        std::vector<std::string> out(take);
        std::vector<size_t> where;
        for (size_t i = 0; i < take; ++i) {
            std::string l = lines[i];
            if (!l.empty() && l.back() == '\r') l.pop_back();
            if (l.find_first_not_of(" \t") == std::string::npos) continue;  // blank: nothing to answer
            bridge::TableRequest r;
            std::string error;
            if (bridge::parseTableRequest(l, r, error)) {
                requests.push_back(r);
                where.push_back(i);
            } else {
                out[i] = l.substr(0, l.find(' ')) + " ! " + error;
            }
        }
        lines.erase(lines.begin(), lines.begin() + static_cast<long>(take));
        std::vector<bridge::TableAnswer> answers;
        std::vector<std::string> errors;
        bridge::analyseTables(requests, answers, errors);
        for (size_t k = 0; k < requests.size(); ++k)
            out[where[k]] = errors[k].empty() ? bridge::formatTableAnswer(answers[k]) : requests[k].tag + " ! " + errors[k];
        for (const std::string &o : out)
            if (!o.empty()) std::printf("%s\n", o.c_str());
        std::fflush(stdout);
    }
    return 0;
}

// One position after another, each answered as soon as it is read: the
// caller keeps one question at a time and drops what it no longer shows.
int play() {
    bridge::initPlayResources();
    std::string buffer;
    for (;;) {
        for (size_t e; (e = buffer.find('\n')) != std::string::npos;) {
            std::string l = buffer.substr(0, e);
            buffer.erase(0, e + 1);
            if (!l.empty() && l.back() == '\r') l.pop_back();
            if (l.find_first_not_of(" \t") == std::string::npos) continue;
            std::printf("%s\n", bridge::answerPlayLine(l).c_str());
            std::fflush(stdout);
        }
        if (buffer.size() > 4096) return fail("ligne trop longue en entrée");
        char chunk[4096];
        ssize_t n = ::read(0, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (buffer.find_first_not_of(" \t\r") != std::string::npos)
                std::printf("%s\n", bridge::answerPlayLine(buffer).c_str());
            return 0;
        }
        buffer.append(chunk, static_cast<size_t>(n));
    }
}

}  // namespace

int main(int argc, char **argv) {
    if (argc == 1) return single();
    if (argc == 2 && std::strcmp(argv[1], "-suite") == 0) return suite();
    if (argc == 2 && std::strcmp(argv[1], "-table") == 0) return table();
    if (argc == 2 && std::strcmp(argv[1], "-play") == 0) return play();
    return fail("aucun argument attendu ; la commande « -dcq FICHIER » se lit sur l'entrée standard.", 2);
}
