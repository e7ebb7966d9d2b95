// `vrek export`: writes one export file of a series without opening a window,
// with the same rules as the export dialog.
#include <cstdio>
#include <filesystem>

#include "app/cli.h"
#include "app/cli_analyse.h"
#include "core/boardlist.h"
#include "core/fileio.h"
#include "core/seriesfile.h"
#include "formats/exports.h"

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
                       "exporte des donnes (FORMAT : dlm dup pbn pbn-gib lin dat easi rtf)", runExport, analyses});

struct FormatName {
    const char *name;
    vrek::ExportFormat format;
};
const FormatName kFormats[] = {
    {"dlm", vrek::ExportFormat::Dlm}, {"dup", vrek::ExportFormat::Dup},       {"pbn", vrek::ExportFormat::PbnAll},
    {"pbn-gib", vrek::ExportFormat::PbnBoth}, {"lin", vrek::ExportFormat::Lin}, {"dat", vrek::ExportFormat::Dat},
    {"easi", vrek::ExportFormat::Easi}, {"rtf", vrek::ExportFormat::Rtf},
};

int runExport(const std::vector<std::string> &args) {
    const cli::Command &me = cli::command("export");
    cli::Options o;
    std::string err;
    if (!cli::parseOptions(args, {"--boards", "-o"}, {"--append", "--rotate", "--analysis"}, o, err)) return cli::usageError(me, err);
    if (o.positional.size() != 2) return cli::usageError(me);
    if (!o.has("-o") || o.value("-o").empty()) return cli::usageError(me, "fichier de sortie manquant (-o FICHIER)");

    const FormatName *fmt = nullptr;
    for (const auto &f : kFormats)
        if (o.positional[0] == f.name) fmt = &f;
    if (!fmt) return cli::usageError(me, "format inconnu : " + o.positional[0]);
    if (o.has("--rotate") && fmt->format != vrek::ExportFormat::Rtf)
        return cli::usageError(me, "--rotate ne vaut que pour le format rtf");
    const bool pbn = fmt->format == vrek::ExportFormat::PbnAll || fmt->format == vrek::ExportFormat::PbnBoth;
    if (o.has("--analysis") && !pbn) return cli::usageError(me, "--analysis ne vaut que pour les formats pbn et pbn-gib");

    vrek::Series s;
    if (int rc = cli::readSeries(o.positional[1], s)) return rc;

    vrek::Selection sel = vrek::completeBoards(s);  // the dialog's selection on opening
    if (o.has("--boards")) {
        auto list = vrek::parseBoardList(o.value("--boards"));
        if (!list) return cli::usageError(me, "liste de donnes invalide : " + o.value("--boards"));
        sel = vrek::selectionOf(*list);
    }
    if (vrek::exportsNothing(fmt->format, sel))
        return cli::fail("La donne 1 n'est pas choisie : un fichier pour machine à distribuer commence "
                         "toujours à la donne 1. Rien n'est exporté.");

    if (auto bad = vrek::incompleteBoards(fmt->format, s, sel); !bad.empty())
        return cli::fail(vrek::incompleteMessage(bad));

    const std::string file = o.value("-o");
    const std::string path = cli::absolutePath(file);
    if (int refused = cli::refuseSeriesTarget(o.positional[1], file)) return refused;
    vrek::ExportOptions opt;
    opt.numbering = o.has("--append") ? vrek::Numbering::From97 : vrek::Numbering::FromOne;
    opt.rotate = o.has("--rotate");
    const bool append = vrek::appendsTo(fmt->format, opt.numbering);
    if (append) {
        switch (vrek::readWholeFile(file, opt.existing, err, vrek::kMaxTextFileSize)) {
        case vrek::ReadStatus::Ok: break;
        case vrek::ReadStatus::Missing: return cli::fail("Le fichier à compléter n'existe pas : " + path);
        case vrek::ReadStatus::Failed: return cli::fail(err);
        }
        opt.existingName = path;
    }

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
    vrek::ExportOutput out = vrek::exportSeries(fmt->format, s, sel, opt);
    if (!out.error.empty()) return cli::fail(cli::forTerminal(out.error));

    std::string written = vrek::writeFileAtomic(file, out.bytes);
    if (!written.empty()) return cli::fail(written);
    std::string done = append ? vrek::appendMessage(out.count, path) : vrek::newFileMessage(out.count, path);
    std::fputs((cli::forTerminal(done) + "\n").c_str(), stdout);
    return 0;
}

}  // namespace
