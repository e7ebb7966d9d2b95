// `vrek import`: imports the deals of a DUP, DLM or PBN file into a series,
// replacing its deals and texts, or inserts deals of such a file or of
// another series into a series, as the import dialog does, then saves it.
#include <cstdio>
#include <filesystem>

#include "app/cli.h"
#include "core/boardlist.h"
#include "core/seriesfile.h"
#include "formats/importer.h"

namespace {

int runImport(const std::vector<std::string> &args);

cli::CliRegistrar reg({"import", "import FORMAT FILE SERIES.vrk [--boards LIST] [--insert-at N]",
                       "importe (ou insère avec --insert-at) des donnes (FORMAT : dup dlm pbn vrk)", runImport});

struct FormatName {
    const char *name;
    vrek::ImportFormat format;
};
const FormatName kFormats[] = {{"dup", vrek::ImportFormat::Dup},
                               {"dlm", vrek::ImportFormat::Dlm},
                               {"pbn", vrek::ImportFormat::Pbn},
                               {"vrk", vrek::ImportFormat::Vrk}};

std::string plural(int n, const std::string &word) { return std::to_string(n) + " " + word + (n > 1 ? "s" : ""); }

int runImport(const std::vector<std::string> &args) {
    const cli::Command &me = cli::command("import");
    cli::Options o;
    std::string err;
    if (!cli::parseOptions(args, {"--boards", "--insert-at"}, {}, o, err)) return cli::usageError(me, err);
    if (o.positional.size() != 3) return cli::usageError(me);

    const FormatName *fmt = nullptr;
    for (const auto &f : kFormats)
        if (o.positional[0] == f.name) fmt = &f;
    if (!fmt) return cli::usageError(me, "format inconnu : " + o.positional[0]);

    const bool insert = o.has("--insert-at");
    int position = 0;
    if (insert) {
        auto p = vrek::parseBoardList(o.value("--insert-at"));
        if (!p || p->size() != 1 || o.value("--insert-at").find_first_not_of("0123456789") != std::string::npos)
            return cli::usageError(me, "position d'insertion invalide (1 à 96) : " + o.value("--insert-at"));
        position = p->front();
    }
    if (std::string why = vrek::modeRefusal(fmt->format, insert); !why.empty())
        return cli::usageError(me, "le format vrk demande --insert-at");

    const std::string file = cli::absolutePath(o.positional[1]);
    const std::string series = cli::absolutePath(o.positional[2]);

    vrek::ImportScan scan = vrek::scanImportFile(fmt->format, file);
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
    r.format = fmt->format;
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
    return 0;
}

}  // namespace
