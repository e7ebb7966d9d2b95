#include "app/cli.h"
#include "app/cli_analyse.h"

#include <cstdio>
#include <filesystem>

#include "core/boardlist.h"
#include "core/cards.h"
#include "core/seriesfile.h"
#include "core/userfolders.h"

namespace cli {

std::vector<Command> &commands() {
    static std::vector<Command> c;
    return c;
}

BoardAnalyser &boardAnalyser() {
    static BoardAnalyser a = nullptr;
    return a;
}

const Command &command(const std::string &name) {
    for (auto &c : commands())
        if (c.name == name) return c;
    return commands().front();
}

int usageError(const Command &c, const std::string &why) {
    if (!why.empty()) std::fprintf(stderr, "%s\n", why.c_str());
    std::fprintf(stderr, "usage : vrek %s\n", c.usage.c_str());
    return 2;
}

int fail(const std::string &message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
}

bool Options::has(const std::string &n) const {
    for (auto &p : named)
        if (p.first == n) return true;
    return false;
}

std::string Options::value(const std::string &n) const {
    for (auto &p : named)
        if (p.first == n) return p.second;
    return {};
}

std::optional<std::vector<int>> boardsOption(const Options &o, std::string &error) {
    if (!o.has("--boards")) {
        std::vector<int> all;
        for (int i = 1; i <= vrek::kBoards; ++i) all.push_back(i);
        return all;
    }
    auto b = vrek::parseBoardList(o.value("--boards"));
    if (!b) error = "liste de donnes invalide : " + o.value("--boards");
    return b;
}

std::optional<std::vector<int>> boardsOrEvening(const Options &o, std::string &error) {
    if (!o.has("--boards")) return eveningBoards();
    return boardsOption(o, error);
}

vrek::Settings programSettings() {
    vrek::Settings s;
    const std::string folder = vrek::runningProgramFolder();
    const std::string path =
        vrek::settingsFileToRead(folder, vrek::canKeepFilesIn(folder), vrek::userConfigFolder());
    const std::string err = vrek::loadSettings(path, vrek::DateFormat::french(), s);
    if (!err.empty()) std::fprintf(stderr, "%s Les réglages par défaut sont utilisés.\n", forTerminal(err).c_str());
    return s;
}

std::vector<int> eveningBoards() { return vrek::eveningBoards(programSettings()); }

std::string forTerminal(std::string text) {
    for (char &c : text)
        if (c == '\r') c = '\n';
    return text;
}

std::string absolutePath(const std::string &path) {
    std::error_code ec;
    auto p = std::filesystem::absolute(path, ec);
    return ec ? path : p.lexically_normal().string();
}

int takeSeries(const std::string &file, vrek::Series &s, vrek::SeriesLock &lock) {
    std::string unlocked;
    if (std::string e = lock.acquire(file, &unlocked); !e.empty()) return fail(e);
    if (!unlocked.empty()) std::fprintf(stderr, "%s\n", unlocked.c_str());
    vrek::LoadResult r = vrek::loadSeries(file, s);
    if (!r.ok) return fail(forTerminal(r.error));
    if (!r.notice.empty()) std::fprintf(stderr, "%s\n", r.notice.c_str());
    if (r.created) std::printf("La série %s n'existait pas : une série vide a été créée.\n", file.c_str());
    if (!r.error.empty()) std::fprintf(stderr, "%s\n", forTerminal(r.error).c_str());
    std::fflush(stdout);
    return 0;
}

int readSeries(const std::string &file, vrek::Series &s) {
    const vrek::LoadResult r = vrek::readSeries(file, s);
    if (!r.ok) return fail(forTerminal(r.error));
    if (!r.notice.empty()) std::fprintf(stderr, "%s\n", r.notice.c_str());
    return 0;
}

int refuseSeriesTarget(const std::string &seriesFile, const std::string &target) {
    if (!vrek::isSeriesFile(seriesFile, target)) return 0;
    return fail("Le fichier " + absolutePath(target) + " est un fichier de la série " + absolutePath(seriesFile) +
                " : il n'est pas remplacé. Rien n'est écrit.");
}

bool parseOptions(const std::vector<std::string> &args, const std::vector<std::string> &valued,
                  const std::vector<std::string> &flags, Options &out, std::string &error) {
    auto in = [](const std::vector<std::string> &v, const std::string &s) {
        for (auto &x : v)
            if (x == s) return true;
        return false;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a.size() > 1 && a[0] == '-' ) {
            // Given twice, an option is a mistake: neither value is the one to keep.
            if ((in(flags, a) || in(valued, a)) && out.has(a)) {
                error = "option répétée : " + a;
                return false;
            }
            if (in(flags, a)) {
                out.named.emplace_back(a, "");
            } else if (in(valued, a)) {
                if (i + 1 >= args.size()) {
                    error = "valeur manquante après " + a;
                    return false;
                }
                out.named.emplace_back(a, args[++i]);
            } else {
                error = "option inconnue : " + a;
                return false;
            }
        } else {
            out.positional.push_back(a);
        }
    }
    return true;
}

}  // namespace cli
