#include "evening/bundle.h"

#include <algorithm>
#include <filesystem>

#include "core/boardlist.h"
#include "core/cp1252.h"
#include "core/fileio.h"
#include "formats/exportfile.h"
#include "formats/formattable.h"
#include "printing/diagramanalysis.h"
#include "printing/diagrampage.h"
#include "printing/traveller.h"
#include "stats/fairness.h"

namespace vrek::bundle {

namespace fs = std::filesystem;

const std::vector<ItemInfo> &items() {
    static const std::vector<ItemInfo> all = {
        {Item::Pbn, "pbn", "Donnes en PBN, avec l'analyse au double mort",
         "les donnes au format PBN, avec l'analyse au double mort et le par"},
        {Item::Dlm, "dlm", "Machine à distribuer Duplimate (DLM)", "pour la machine à distribuer Duplimate"},
        {Item::Dup, "dup", "Machine à distribuer HandyDup, Dealer4 (DUP)",
         "pour les machines à distribuer HandyDup et Dealer4"},
        {Item::Lin, "lin", "Bridge Base Online (LIN)", "pour Bridge Base Online"},
        {Item::Bri, "bri", "Machine à distribuer (BRI)", "pour les machines à distribuer, format BRI"},
        {Item::Dge, "dge", "Machine à distribuer (DGE)", "pour les machines à distribuer, format DGE"},
        {Item::Diagrams, "diagrams", "Diagrammes, avec l'analyse au double mort (PDF)",
         "les diagrammes commentés, avec l'analyse au double mort et le par"},
        {Item::Travellers, "travellers", "Fiches ambulantes (PDF)", "les fiches ambulantes"},
        {Item::Labels, "labels", "Étiquettes des étuis (PDF)", "les étiquettes des étuis"},
        {Item::Fairness, "fairness", "Rapport d'équité des donnes (texte)", "les tests d'équité des donnes"},
        {Item::Fingerprint, "fingerprint", "Empreinte de la clé de distribution (texte)",
         "l'empreinte de la clé de distribution (la clé n'y est pas)"},
    };
    return all;
}

const ItemInfo &info(Item item) {
    for (const ItemInfo &i : items())
        if (i.item == item) return i;
    return items().front();
}

std::optional<Item> itemOfWord(const std::string &word) {
    for (const ItemInfo &i : items())
        if (word == i.word) return i.item;
    return std::nullopt;
}

std::string itemWords() {
    std::string t;
    for (const ItemInfo &i : items()) t += (t.empty() ? "" : ", ") + std::string(i.word);
    return t;
}

bool Job::has(Item i) const { return std::find(chosen.begin(), chosen.end(), i) != chosen.end(); }

namespace {

// The export words of the items that are export files.
const char *exportWord(Item i) {
    switch (i) {
    case Item::Pbn: return "pbn";
    case Item::Dlm: return "dlm";
    case Item::Dup: return "dup";
    case Item::Lin: return "lin";
    case Item::Bri: return "bri";
    case Item::Dge: return "dge";
    default: return nullptr;
    }
}

std::string stemOf(const std::string &seriesFile) { return fs::path(seriesFile).stem().string(); }

std::string folderSlash(const std::string &folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + '/';
}

// The groups of `size` boards (a sheet of four, a pair of travellers) that
// hold the boards.
std::vector<int> groupsOf(const std::vector<int> &boards, int size) {
    std::vector<int> groups;
    for (int b : boards)
        if (groups.empty() || groups.back() != (b - 1) / size + 1) groups.push_back((b - 1) / size + 1);
    return groups;
}

std::string crlf(const std::vector<std::string> &lines) {
    std::string t;
    for (const std::string &l : lines) t += l + "\r\n";
    return t;
}

std::string fileName(const std::string &path) { return fs::path(path).filename().string(); }

Outcome writeText(const std::string &path, const std::string &bytes) {
    return {path, writeFileAtomic(path, bytes)};
}

Outcome writeExport(const Job &job, Item i, const std::string &path) {
    ExportOptions opt;
    opt.date = job.pbnDate;
    if (i == Item::Pbn) opt.analysis = &job.analysis;
    const ExportFileResult r = exportToFile(exportWord(i), job.series, job.seriesFile, selectionOf(job.boards), opt, path);
    Outcome o{path, r.ok ? std::string() : r.message, r.count};
    // The messages break lines for the message boxes; one line here.
    for (char &c : o.error)
        if (c == '\r') c = ' ';
    return o;
}

Outcome writePdf(const PdfWriter &pdf, const std::string &path, const std::function<bool(Canvas &)> &draw,
                 const std::string *why = nullptr) {
    Outcome o{path};
    o.error = pdf(path, draw, o.pages);
    // The drawing's own reason, when it gave one, says more than the writer's.
    if (!o.ok() && why && !why->empty()) o.error = *why;
    return o;
}

Outcome writeItem(const Job &job, Item i, const PdfWriter &pdf) {
    const std::string path = pathOf(job, i);
    switch (i) {
    case Item::Pbn:
    case Item::Dlm:
    case Item::Dup:
    case Item::Lin:
    case Item::Bri:
    case Item::Dge: return writeExport(job, i, path);
    case Item::Diagrams: {
        DiagramOptions opt;
        opt.style = job.style;
        if (job.has(Item::Fingerprint)) opt.fingerprint = job.fingerprint;
        const std::map<int, DealAnalysis> &found = job.analysis;
        printAnalyses(opt, [&found](int deal) {
            auto it = found.find(deal);
            return it == found.end() ? nullptr : &it->second;
        });
        const std::vector<int> sheets = groupsOf(job.boards, 4);
        return writePdf(pdf, path, [&](Canvas &c) { return printDiagramSheets(c, job.series, sheets, opt); });
    }
    case Item::Travellers: {
        TravellerOptions opt;
        opt.style = job.style;
        const std::vector<int> pairs = groupsOf(job.boards, 2);
        return writePdf(pdf, path, [&](Canvas &c) { return printTravellers(c, job.series, pairs, opt); });
    }
    case Item::Labels: {
        LabelRun run;
        run.deals = job.boards;
        run.style = job.style;
        run.geometry = job.labels;
        // A sheet whose labels cannot hold their texts is said as the dialog says it.
        std::string problem;
        return writePdf(
            pdf, path,
            [&](Canvas &c) {
                problem = labelSheetProblem(c, job.series, run.geometry, run.title);
                return problem.empty() && printLabels(c, job.series, run);
            },
            &problem);
    }
    case Item::Fairness: {
        fairness::Sample sample;
        sample.add(job.series, job.boards);
        return writeText(path, crlf(fairness::reportLines(fairness::fairnessReport(sample), job.decimalPoint)));
    }
    case Item::Fingerprint:
        return writeText(path, crlf({"Empreinte (SHA-256) de la clé de distribution des donnes " +
                                         boardListText(job.boards) + " :",
                                     job.fingerprint}));
    }
    return {path, "élément inconnu"};
}

}  // namespace

std::string proposedFolder(const std::string &seriesFile) {
    const fs::path p(seriesFile);
    return (p.parent_path() / p.stem()).string();
}

std::string pathOf(const Job &job, Item item) {
    const std::string base = folderSlash(job.folder) + stemOf(job.seriesFile);
    if (const char *word = exportWord(item)) return base + descriptorOf(*exportFormatOfWord(word)).extension;
    switch (item) {
    case Item::Diagrams: return base + "-diagrammes.pdf";
    case Item::Travellers: return base + "-fiches.pdf";
    case Item::Labels: return base + "-etiquettes.pdf";
    case Item::Fairness: return base + "-equite.txt";
    default: return base + "-empreinte.txt";
    }
}

std::string listPath(const Job &job) { return folderSlash(job.folder) + stemOf(job.seriesFile) + "-soiree.txt"; }

std::vector<int> analysedBoards(const Job &job) {
    std::vector<int> boards;
    if (job.has(Item::Pbn)) boards = job.boards;
    if (job.has(Item::Diagrams))
        for (int d : dealsOfSheets(groupsOf(job.boards, 4)))
            if (job.series.deal(d).complete()) boards.push_back(d);
    std::sort(boards.begin(), boards.end());
    boards.erase(std::unique(boards.begin(), boards.end()), boards.end());
    return boards;
}

std::string refusal(const Job &job) {
    const std::string nothing = " La soirée n'est pas préparée.";
    if (job.chosen.empty()) return "Aucun fichier n'est choisi." + nothing;
    if (job.boards.empty()) return "Aucune donne n'est choisie." + nothing;
    if (job.folder.empty()) return "Aucun dossier n'est choisi." + nothing;
    std::vector<int> incomplete;
    for (int b : job.boards)
        if (b < 1 || b > kBoards || !job.series.deal(b).complete()) incomplete.push_back(b);
    if (!incomplete.empty())
        return (incomplete.size() == 1 ? "La donne " + boardListText(incomplete) + " n'est pas complète."
                                       : "Les donnes " + boardListText(incomplete) + " ne sont pas complètes.") +
               nothing;
    if (job.has(Item::Fingerprint) && job.fingerprint.empty())
        return "Aucune clé de distribution n'a servi : il n'y a pas d'empreinte à écrire." + nothing;
    std::error_code ec;
    if (fs::exists(job.folder, ec) && !fs::is_directory(job.folder, ec))
        return "« " + job.folder + " » est un fichier, pas un dossier." + nothing;
    std::vector<std::string> targets{listPath(job)};
    for (Item i : job.chosen) targets.push_back(pathOf(job, i));
    for (const std::string &t : targets)
        if (!overwritesSeries(job.seriesFile, t).empty())
            return "Le fichier " + t + " est un fichier de la série : il n'est pas remplacé." + nothing;
    return {};
}

std::vector<std::string> existingFiles(const Job &job) {
    std::vector<std::string> found;
    for (const ItemInfo &i : items())
        if (job.has(i.item) && fileExists(pathOf(job, i.item))) found.push_back(pathOf(job, i.item));
    if (fileExists(listPath(job))) found.push_back(listPath(job));
    return found;
}

std::vector<Outcome> write(const Job &job, const PdfWriter &pdf) {
    std::error_code ec;
    fs::create_directories(job.folder, ec);
    if (ec || !fs::is_directory(job.folder))
        return {{job.folder, "le dossier ne peut pas être créé (" + (ec ? ec.message() : std::string("?")) + ")"}};
    std::vector<Outcome> done;
    for (const ItemInfo &i : items())
        if (job.has(i.item)) done.push_back(writeItem(job, i.item, pdf));
    done.push_back(writeText(listPath(job), listText(job, done)));
    return done;
}

std::string outcomeLine(const Outcome &o) {
    if (!o.ok()) return "Échec : " + o.path + " : " + o.error;
    std::string t = "Écrit : " + o.path;
    if (o.deals) t += " (" + std::to_string(o.deals) + (o.deals == 1 ? " donne)" : " donnes)");
    if (o.pages) t += " (" + std::to_string(o.pages) + (o.pages == 1 ? " page)" : " pages)");
    return t;
}

std::string listText(const Job &job, const std::vector<Outcome> &written) {
    const std::string title = cp1252ToUtf8(job.series.line(0));
    std::vector<std::string> lines = {
        "Soirée" + (title.empty() ? std::string() : " « " + title + " »") + " préparée le " + job.date + " par Vrek",
        "Série : " + job.seriesFile,
        std::to_string(job.boards.size()) + (job.boards.size() == 1 ? " donne : " : " donnes : ") +
            boardListText(job.boards),
        "",
        "Fichiers écrits :"};
    std::vector<std::string> failed;
    for (const Outcome &o : written) {
        std::string what;
        for (const ItemInfo &i : items())
            if (job.has(i.item) && pathOf(job, i.item) == o.path) what = i.what;
        if (!o.ok()) {
            failed.push_back(fileName(o.path) + " : " + o.error);
            continue;
        }
        std::string line = fileName(o.path) + " : " + what;
        if (o.pages) line += ", " + std::to_string(o.pages) + (o.pages == 1 ? " page" : " pages");
        lines.push_back(line);
    }
    if (job.has(Item::Fingerprint)) lines.insert(lines.end(), {"", "Empreinte de la clé : " + job.fingerprint});
    if (!failed.empty()) {
        lines.insert(lines.end(), {"", "Non écrits :"});
        lines.insert(lines.end(), failed.begin(), failed.end());
    }
    return crlf(lines);
}

}  // namespace vrek::bundle
