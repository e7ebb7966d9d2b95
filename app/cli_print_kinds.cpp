// The kinds of `vrek print` that the print dialogs make: hand sheets,
// diagram pages, travelling sheets and labels, with the dialogs' choices as
// options.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <map>

#include "app/cli_analyse.h"
#include "app/cli_print.h"
#include "core/boardlist.h"
#include "dealing/dealkey.h"
#include "printing/diagramanalysis.h"
#include "printing/diagrampage.h"
#include "printing/handsheet.h"
#include "printing/labels.h"
#include "printing/printjob.h"
#include "printing/traveller.h"

namespace cli::print {
namespace {

// Without a range a kind prints what holds a complete deal among the
// evening's boards: of each group of `size` boards (a sheet, a pair of
// travellers, a block), the numbers of those that hold one.
std::vector<int> groupsWithCompleteDeals(const Request &r, int size) {
    std::vector<int> groups;
    for (int b : vrek::eveningBoards(r.settings))
        if (r.series.deal(b).complete() && (groups.empty() || groups.back() != (b - 1) / size + 1))
            groups.push_back((b - 1) / size + 1);
    return groups;
}

Prepared nothingComplete() { return Prepared::refused("Aucune donne complète à imprimer : la série n'a que des donnes vides ou incomplètes."); }

// A board list ("1-4,7") whose numbers stay within 1 .. hi.
bool listUpTo(const std::string &text, int hi, std::vector<int> &out) {
    auto list = vrek::parseBoardList(text);
    if (!list) return false;
    for (int n : *list)
        if (n > hi) return false;
    out = *list;
    return true;
}

Prepared hands(const Request &r) {
    const Options &o = r.options;
    std::array<bool, 4> seats{};
    const std::string letters = o.has("--seats") ? o.value("--seats") : "NESO";
    for (char ch : letters) {
        const std::string all = "NESO";
        const size_t i = all.find(static_cast<char>(std::toupper(static_cast<unsigned char>(ch))));
        if (i == std::string::npos || seats[i]) return Prepared::usage("sièges invalides : " + letters);
        seats[i] = true;
    }
    if (letters.empty()) return Prepared::usage("sièges invalides : (vide)");
    std::vector<int> blocks;
    if (o.has("--block")) {
        int block = 0;
        if (!wholeNumber(o.value("--block"), 1, 3, block)) return Prepared::usage("bloc invalide : " + o.value("--block"));
        blocks.push_back(block);
    } else {
        blocks = groupsWithCompleteDeals(r, 32);
        if (blocks.empty()) return nothingComplete();
    }
    vrek::HandSheetOptions opt;
    opt.style = r.style;
    return {0, {}, [&s = r.series, seats, opt, blocks](vrek::Canvas &c) mutable {
                bool ok = true;
                for (int block : blocks) {
                    opt.block = block - 1;
                    ok = vrek::printHandSheets(c, s, seats, opt) && ok;
                }
                return ok;
            }};
}

// --analysis: the solver's table and par of the deals printed, under each.
Prepared withAnalysis(const Request &r, std::vector<int> deals, vrek::DiagramOptions &opt) {
    std::sort(deals.begin(), deals.end());
    deals.erase(std::unique(deals.begin(), deals.end()), deals.end());
    std::map<int, vrek::DealAnalysis> found;
    std::vector<int> incomplete;
    std::string err;
    if (!cli::analyseBoards(r.series, deals, found, incomplete, err)) return Prepared::refused(err);
    if (!incomplete.empty()) {
        std::string t = incomplete.size() == 1 ? "Donne non analysée car incomplète : "
                                               : "Donnes non analysées car incomplètes : ";
        for (size_t i = 0; i < incomplete.size(); ++i) t += (i ? ", " : "") + std::to_string(incomplete[i]);
        std::printf("%s.\n", t.c_str());
    }
    vrek::printAnalyses(opt, [found](int deal) {
        auto it = found.find(deal);
        return it == found.end() ? nullptr : &it->second;
    });
    return {};
}

Prepared diagrams(const Request &r) {
    const Options &o = r.options;
    vrek::DiagramOptions opt;
    opt.style = r.style;
    if (o.has("--fingerprint")) {
        std::string err;
        auto key = vrek::readKeyFile(o.value("--fingerprint"), err);
        if (!key) return Prepared::refused(err);
        opt.fingerprint = vrek::fingerprintOf(*key);
    }
    if (o.has("--sheets") && o.has("--boards"))
        return Prepared::usage("choisir soit --sheets LIST, soit --boards a,b,c,d[,e,f,g,h]");
    if (!o.has("--boards")) {
        if (o.has("--first-page")) return Prepared::usage("--first-page ne vaut qu'avec --boards");
        std::vector<int> sheets;
        if (!o.has("--sheets")) {
            sheets = groupsWithCompleteDeals(r, 4);
            if (sheets.empty()) return nothingComplete();
        } else if (!listUpTo(o.value("--sheets"), 24, sheets)) {
            return Prepared::usage("liste de feuilles invalide (1 à 24) : " + o.value("--sheets"));
        }
        if (o.has("--analysis"))
            if (Prepared p = withAnalysis(r, vrek::dealsOfSheets(sheets), opt); p.code) return p;
        return {0, {}, [&s = r.series, sheets, opt](vrek::Canvas &c) {
                    return vrek::printDiagramSheets(c, s, sheets, opt);
                }};
    }
    std::vector<int> deals;
    const std::string text = o.value("--boards");
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        int d = 0;
        if (!wholeNumber(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start), 0, 96, d))
            return Prepared::usage("donnes invalides (0 à 96, 0 = place vide) : " + text);
        deals.push_back(d);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (deals.size() != 4 && deals.size() != 8)
        return Prepared::usage("il faut quatre ou huit donnes : " + text);
    int first = 1;
    if (o.has("--first-page") && !wholeNumber(o.value("--first-page"), 0, 24, first))
        return Prepared::usage("numéro de première page invalide (0 à 24) : " + o.value("--first-page"));
    if (o.has("--analysis"))
        if (Prepared p = withAnalysis(r, deals, opt); p.code) return p;
    return {0, {}, [&s = r.series, deals, first, opt](vrek::Canvas &c) {
                return vrek::printChosenDiagrams(c, s, deals, first, opt);
            }};
}

Prepared travellers(const Request &r) {
    const Options &o = r.options;
    std::vector<int> pairs;
    if (!o.has("--pairs")) {
        pairs = groupsWithCompleteDeals(r, 2);
        if (pairs.empty()) return nothingComplete();
    } else if (!listUpTo(o.value("--pairs"), vrek::kTravellerPairs, pairs)) {
        return Prepared::usage("liste de paires invalide (1 à 48) : " + o.value("--pairs"));
    }
    vrek::TravellerOptions opt;
    opt.style = r.style;
    opt.preprinted = o.has("--preprinted");
    if (o.has("--section")) {
        std::string letter = o.value("--section");
        for (char &ch : letter) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        const int position = vrek::sectionPosition(letter);
        if (position <= 0) return Prepared::usage("section invalide (une lettre de A à T) : " + o.value("--section"));
        opt.section = vrek::sectionAt(position).letter;
        // A letter without a colour keeps the window's own, the grey of a dialog.
        opt.sectionColour = vrek::sectionColourOf(opt.section, r.settings).value_or(vrek::Rgb{240, 240, 240});
    }
    return {0, {}, [&s = r.series, pairs, opt](vrek::Canvas &c) { return vrek::printTravellers(c, s, pairs, opt); }};
}

Prepared labels(const Request &r) {
    const Options &o = r.options;
    vrek::LabelRun run;
    run.style = r.style;
    run.title = !o.has("--no-title");
    run.geometry = vrek::labelGeometry(r.settings);
    if (o.has("--boards")) {
        const std::string text = o.value("--boards");
        const size_t dash = text.find('-');
        const std::string a = text.substr(0, dash), b = dash == std::string::npos ? a : text.substr(dash + 1);
        if (!wholeNumber(a, 1, 96, run.from) || !wholeNumber(b, 1, 96, run.to) || run.from > run.to)
            return Prepared::usage("donnes invalides (FROM-TO, de 1 à 96) : " + text);
    } else {
        run.deals = groupsWithCompleteDeals(r, 1);
        if (run.deals.empty()) return nothingComplete();
    }
    const int perSheet = run.geometry.perSheet();
    if (o.has("--start-label") && !wholeNumber(o.value("--start-label"), 1, perSheet, run.startLabel))
        return Prepared::usage("étiquette de départ invalide (1 à " + std::to_string(perSheet) +
                               ") : " + o.value("--start-label"));
    // A geometry whose labels cannot hold their texts is refused before anything is printed.
    std::string problem;
    printing::onMeasuringCanvas(
        [&](vrek::Canvas &c) { problem = vrek::labelSheetProblem(c, r.series, run.geometry, run.title); });
    if (!problem.empty()) return Prepared::refused(problem);
    return {0, {}, [&s = r.series, run](vrek::Canvas &c) { return vrek::printLabels(c, s, run); }};
}

KindRegistrar handsKind({"hands", "hands SERIES.vrk -o FILE.pdf [--seats NESO] [--block 1|2|3]", {"--seats", "--block"},
                         {}, hands});
KindRegistrar diagramsKind({"diagrams",
                            "diagrams SERIES.vrk -o FILE.pdf [--sheets LIST | --boards a,b,c,d[,e,f,g,h]] "
                            "[--first-page N] [--analysis] [--fingerprint KEY.txt]",
                            {"--sheets", "--boards", "--first-page", "--fingerprint"}, {"--analysis"}, diagrams});
KindRegistrar travellersKind({"travellers",
                              "travellers SERIES.vrk -o FILE.pdf [--pairs LIST] [--preprinted] [--section LETTER]",
                              {"--pairs", "--section"}, {"--preprinted"}, travellers});
KindRegistrar labelsKind({"labels", "labels SERIES.vrk -o FILE.pdf [--boards FROM-TO] [--start-label K] [--no-title]",
                          {"--boards", "--start-label"}, {"--no-title"}, labels});

}  // namespace
}  // namespace cli::print
