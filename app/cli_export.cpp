// `vrek export`: writes one export file of a series without opening a window,
// with the same rules as the export dialog.
#include <cstdio>
#include <filesystem>

#include "app/cli.h"
#include "app/cli_analyse.h"
#include "core/boardlist.h"
#include "core/fileio.h"
#include "core/seriesfile.h"
#include "formats/exportfile.h"

namespace {

int runExport(const std::vector<std::string> &args);

// The analysis runs the solver, which only the Qt program can start.
bool analyses(const std::vector<std::string> &args) {
    for (const std::string &a : args)
        if (a == "--analysis") return true;
    return false;
}

cli::CliRegistrar reg({"export",
                       "export FORMAT SERIES.vrk [--boards LIST] [--append] [--rotate] [--analysis] -o FILE",
                       "exporte des donnes (FORMAT : " + vrek::exportWords() + ")", runExport, analyses});

int runExport(const std::vector<std::string> &args) {
    const cli::Command &me = cli::command("export");
    cli::Options o;
    std::string err;
    if (!cli::parseOptions(args, {"--boards", "-o"}, {"--append", "--rotate", "--analysis"}, o, err)) return cli::usageError(me, err);
    if (o.positional.size() != 2) return cli::usageError(me);
    if (!o.has("-o") || o.value("-o").empty()) return cli::usageError(me, "fichier de sortie manquant (-o FICHIER)");

    const auto fmt = vrek::exportFormatOfWord(o.positional[0]);
    if (!fmt) return cli::usageError(me, "format inconnu : " + o.positional[0]);
    if (o.has("--rotate") && *fmt != vrek::ExportFormat::Rtf)
        return cli::usageError(me, "--rotate ne vaut que pour le format rtf");
    const bool pbn = *fmt == vrek::ExportFormat::PbnAll || *fmt == vrek::ExportFormat::PbnBoth;
    if (o.has("--analysis") && !pbn) return cli::usageError(me, "--analysis ne vaut que pour les formats pbn et pbn-gib");

    vrek::Series s;
    if (int rc = cli::readSeries(o.positional[1], s)) return rc;

    vrek::Selection sel{};
    if (!o.has("--boards")) {
        // The dialog's selection on opening.
        sel = vrek::openingSelection(s, cli::programSettings().nombreDonnes);
    } else {
        auto list = vrek::parseBoardList(o.value("--boards"));
        if (!list) return cli::usageError(me, "liste de donnes invalide : " + o.value("--boards"));
        sel = vrek::selectionOf(*list);
    }
    const std::string file = o.value("-o");
    if (int refused = cli::refuseSeriesTarget(o.positional[1], file)) return refused;
    // Refused before the analysis, which takes time.
    if (std::string why = vrek::exportRefusal(*fmt, s, o.positional[1], sel, file); !why.empty()) return cli::fail(why);
    vrek::ExportOptions opt;
    opt.numbering = o.has("--append") ? vrek::Numbering::From97 : vrek::Numbering::FromOne;
    opt.rotate = o.has("--rotate");

    // The analysis of the exported complete boards; the others have none.
    std::map<int, vrek::DealAnalysis> analysis;
    if (o.has("--analysis")) {
        std::vector<int> chosen, incomplete;
        for (int b = 1; b <= vrek::kBoards; ++b)
            if (sel[b - 1]) chosen.push_back(b);
        cli::BoardAnalyser analyse = cli::boardAnalyser();
        if (!analyse) return cli::fail("L'analyse au double mort n'est pas disponible dans ce programme.");
        if (!analyse(s, chosen, analysis, incomplete, err)) return cli::fail(err);
        opt.analysis = &analysis;
    }
    vrek::ExportFileResult done = vrek::exportToFile(o.positional[0], s, o.positional[1], sel, opt, file);
    if (!done.ok) return cli::fail(cli::forTerminal(done.message));
    std::fputs((cli::forTerminal(done.message) + "\n").c_str(), stdout);
    return 0;
}

}  // namespace
