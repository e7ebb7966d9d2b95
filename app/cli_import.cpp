// `vrek import`: imports the deals of a deal file (DUP, DLM, PBN, BRI, DGE,
// LIN) into a series, replacing its deals and texts, or inserts deals of
// such a file or of another series into a series, as the import dialog
// does, then saves it. With --check-analysis the double-dummy analyses the
// file gives are checked against the solver.
#include <cstdio>
#include <filesystem>

#include "app/cli.h"
#include "app/cli_analyse.h"
#include "core/boardlist.h"
#include "core/seriesfile.h"
#include "formats/importer.h"
#include "formats/pbnanalysis.h"

namespace {

int runImport(const std::vector<std::string> &args);

// The check runs the solver, which only the Qt program can start.
bool checks(const std::vector<std::string> &args) {
    for (const std::string &a : args)
        if (a == "--check-analysis") return true;
    return false;
}

cli::CliRegistrar reg({"import", "import FORMAT FILE SERIES.vrk [--boards LIST] [--insert-at N] [--check-analysis]",
                       "importe (ou insère avec --insert-at) des donnes (FORMAT : " + vrek::importWords() + ")",
                       runImport, checks});

// The file's analyses against the solver's, one line per board.
int checkAnalyses(const vrek::Series &s, const vrek::ImportResult &res) {
    if (res.analyses.empty()) {
        std::printf("Le fichier ne donne aucune analyse au double mort à vérifier.\n");
        return 0;
    }
    std::vector<int> boards, incomplete;
    for (const auto &[board, a] : res.analyses) boards.push_back(board);
    std::map<int, vrek::DealAnalysis> solved;
    std::string err;
    cli::BoardAnalyser analyse = cli::boardAnalyser();
    if (!analyse) return cli::fail("L'analyse au double mort n'est pas disponible dans ce programme.");
    if (!analyse(s, boards, solved, incomplete, err)) return cli::fail(err);
    for (const std::string &l : vrek::analysisCheck(res.analyses, solved)) std::printf("%s\n", l.c_str());
    return 0;
}

std::string plural(int n, const std::string &word) { return std::to_string(n) + " " + word + (n > 1 ? "s" : ""); }

int runImport(const std::vector<std::string> &args) {
    const cli::Command &me = cli::command("import");
    cli::Options o;
    std::string err;
    if (!cli::parseOptions(args, {"--boards", "--insert-at"}, {"--check-analysis"}, o, err))
        return cli::usageError(me, err);
    if (o.positional.size() != 3) return cli::usageError(me);

    const auto fmt = vrek::importFormatOfWord(o.positional[0]);
    if (!fmt) return cli::usageError(me, "format inconnu : " + o.positional[0]);

    const bool insert = o.has("--insert-at");
    int position = 0;
    if (insert) {
        auto p = vrek::parseBoardList(o.value("--insert-at"));
        if (!p || p->size() != 1 || o.value("--insert-at").find_first_not_of("0123456789") != std::string::npos)
            return cli::usageError(me, "position d'insertion invalide (1 à 96) : " + o.value("--insert-at"));
        position = p->front();
    }
    if (std::string why = vrek::modeRefusal(*fmt, insert); !why.empty())
        return cli::usageError(me, "le format vrk demande --insert-at");

    const std::string file = cli::absolutePath(o.positional[1]);
    const std::string series = cli::absolutePath(o.positional[2]);

    vrek::ImportScan scan = vrek::scanImportFile(*fmt, file);
    if (!scan.error.empty()) return cli::fail(cli::forTerminal(scan.error));
    if (scan.empty) return cli::fail("Le fichier est vide : " + file);

    std::vector<int> boards;
    if (o.has("--boards")) {
        auto list = vrek::parseBoardList(o.value("--boards"));
        if (!list) return cli::usageError(me, "liste de donnes invalide : " + o.value("--boards"));
        for (int b : *list)
            if (!scan.available[b - 1])
                return cli::fail("La donne " + std::to_string(b) + " n'est pas dans le fichier " + file +
                                 " : rien n'est importé.");
        boards = *list;
    } else {
        vrek::Selection all;
        all.fill(true);
        boards = vrek::chosenBoards(scan.available, all);
    }

    // The deals go into the series the command names, and nowhere else.
    vrek::Series s;
    vrek::SeriesLock lock;
    if (int rc = cli::takeSeries(series, s, lock)) return rc;

    vrek::ImportRequest r;
    r.format = *fmt;
    r.file = file;
    r.boards = boards;
    r.insertAt = position;
    r.title = vrek::importTitle(file);
    vrek::ImportResult res = vrek::importDeals(s, r);
    if (!res.ok()) return cli::fail(cli::forTerminal(res.error));

    std::string e = vrek::saveSeries(series, s);
    if (!e.empty()) return cli::fail(e);
    if (insert)
        std::printf("Insertion de %s du fichier %s à partir de la position %d dans la série %s\n",
                    plural(res.count, "donne").c_str(), file.c_str(), position, series.c_str());
    else
        std::printf("Importation de %s du fichier %s dans la série %s\n", plural(res.count, "donne").c_str(),
                    file.c_str(), series.c_str());
    if (std::string report = vrek::skippedReport(res); !report.empty())
        std::printf("%s\n", cli::forTerminal(report).c_str());
    return o.has("--check-analysis") ? checkAnalyses(s, res) : 0;
}

}  // namespace
