// `vrek bundle`: everything the evening needs, written into one folder as
// "Préparer la soirée…" writes it.
#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <cctype>
#include <cstdio>

#include "app/bundlepdf.h"
#include "app/cli.h"
#include "app/cli_analyse.h"
#include "app/cli_print.h"
#include "core/boardlist.h"
#include "dealing/dealkey.h"
#include "printing/labels.h"

namespace {

int bundle(const std::vector<std::string> &args);

cli::CliRegistrar reg({"bundle",
                       "bundle SERIES.vrk -o FOLDER [--boards LIST] [--only LIST] [--force] [--bw] "
                       "[--key KEY.txt | --key-fingerprint HEX]",
                       "écrit dans un dossier les fichiers et les impressions de la soirée (--only : " +
                           vrek::bundle::itemWords() + ")",
                       bundle});

// The items of "--only pbn,dlm": nullopt with the reason for a word that names none.
std::optional<std::vector<vrek::bundle::Item>> onlyItems(const std::string &text, std::string &error) {
    std::vector<vrek::bundle::Item> chosen;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        const std::string word = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const auto item = vrek::bundle::itemOfWord(word);
        if (!item) {
            error = "élément inconnu : « " + word + " » (" + vrek::bundle::itemWords() + ")";
            return std::nullopt;
        }
        chosen.push_back(*item);
        if (comma == std::string::npos) return chosen;
        start = comma + 1;
    }
}

bool isFingerprint(const std::string &text) {
    if (text.size() != 64) return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

std::string lowered(std::string t) {
    for (char &c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return t;
}

int bundle(const std::vector<std::string> &args) {
    using vrek::bundle::Item;
    const cli::Command &me = cli::command("bundle");
    cli::Options o;
    std::string err;
    if (!cli::parseOptions(args, {"-o", "--boards", "--only", "--key", "--key-fingerprint"}, {"--force", "--bw"}, o,
                           err) ||
        o.positional.size() != 1)
        return cli::usageError(me, err);
    if (!o.has("-o") || o.value("-o").empty()) return cli::usageError(me, "dossier manquant (-o DOSSIER)");
    if (o.has("--key") && o.has("--key-fingerprint")) return cli::usageError(me, "--key ou --key-fingerprint, pas les deux");
    if (o.has("--key-fingerprint") && !isFingerprint(o.value("--key-fingerprint")))
        return cli::usageError(me, "empreinte invalide (64 chiffres hexadécimaux) : " + o.value("--key-fingerprint"));

    vrek::bundle::Job job;
    if (o.has("--only")) {
        auto chosen = onlyItems(o.value("--only"), err);
        if (!chosen) return cli::usageError(me, err);
        job.chosen = *chosen;
    } else {
        // Everything; the fingerprint when there is a key to take it from.
        for (const auto &i : vrek::bundle::items())
            if (i.item != Item::Fingerprint || o.has("--key") || o.has("--key-fingerprint")) job.chosen.push_back(i.item);
    }
    // A key never goes into the folder: only its fingerprint does.
    if (o.has("--key")) {
        auto key = vrek::readKeyFile(o.value("--key"), err);
        if (!key) return cli::fail(err + " Rien n'est écrit.");
        job.fingerprint = vrek::fingerprintOf(*key);
    } else if (o.has("--key-fingerprint")) {
        job.fingerprint = lowered(o.value("--key-fingerprint"));
    }

    job.seriesFile = cli::absolutePath(o.positional[0]);
    if (int rc = cli::readSeries(job.seriesFile, job.series)) return rc;
    const vrek::Settings settings = cli::programSettings();
    if (o.has("--boards")) {
        auto list = vrek::parseBoardList(o.value("--boards"));
        if (!list) return cli::usageError(me, "liste de donnes invalide : " + o.value("--boards"));
        job.boards = *list;
    } else {
        job.boards = vrek::eveningBoards(settings);
    }
    job.folder = cli::absolutePath(o.value("-o"));
    job.style.colour = !o.has("--bw");
    job.labels = vrek::labelGeometry(settings);

    if (std::string why = vrek::bundle::refusal(job); !why.empty()) return cli::fail(why);
    if (const auto there = vrek::bundle::existingFiles(job); !there.empty() && !o.has("--force")) {
        std::string names;
        for (const std::string &f : there) names += (names.empty() ? "" : ", ") + f;
        return cli::fail("Le dossier " + job.folder + " contient déjà des fichiers de la soirée (" + names +
                         ") : rien n'est écrit. --force les remplace.");
    }

    // Made before the solver's processes, which would make an application without fonts.
    auto app = cli::print::ensureGuiApplication();
    const QDate today = QDate::currentDate();
    job.date = today.toString(QStringLiteral("dd/MM/yyyy")).toStdString();
    job.pbnDate = today.toString(QStringLiteral("yyyy.MM.dd")).toStdString();
    job.decimalPoint = QLocale::system().decimalPoint().toStdString();

    const std::vector<int> analysed = vrek::bundle::analysedBoards(job);
    std::vector<int> incomplete;
    if (!analysed.empty() && !cli::analyseBoards(job.series, analysed, job.analysis, incomplete, err))
        return cli::fail(err + " Rien n'est écrit.");

    int failed = 0;
    for (const vrek::bundle::Outcome &done : vrek::bundle::write(job, bundlePdfWriter())) {
        // Each line as it comes; a failure is said where errors go.
        std::fprintf(done.ok() ? stdout : stderr, "%s\n", vrek::bundle::outcomeLine(done).c_str());
        std::fflush(stdout);
        failed += !done.ok();
    }
    return failed ? 1 : 0;
}

}  // namespace
