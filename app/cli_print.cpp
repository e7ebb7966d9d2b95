// `vrek print`: the same pages as the print dialogs, into one PDF file.
#include "app/cli_print.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/fileio.h"
#include "core/seriesfile.h"
#include "printing/printjob.h"

namespace cli::print {

std::vector<Kind> &kinds() {
    static std::vector<Kind> k;
    return k;
}

bool wholeNumber(const std::string &text, int lo, int hi, int &out) {
    if (text.empty() || text.size() > 6) return false;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    if (n < lo || n > hi) return false;
    out = n;
    return true;
}

namespace {

int run(const std::vector<std::string> &args);

CliRegistrar reg({"print", "print KIND SERIES.vrk -o FILE.pdf [--bw] [--from-97] [options]",
                  "imprime dans un PDF (KIND : voir vrek print --help)", run});

// The usage of one kind, or of all of them: asked for with --help on
// standard output (exit 0), after a wrong command line on standard error (exit 2).
int usage(const std::string &why = {}, const Kind *kind = nullptr, bool asked = false) {
    FILE *out = asked ? stdout : stderr;
    if (!why.empty()) std::fprintf(out, "%s\n", why.c_str());
    if (!kind) std::fprintf(out, "usage : vrek print KIND SERIES.vrk -o FILE.pdf [--bw] [--from-97] [options]\n");
    for (const Kind &k : kinds())
        if (!kind || &k == kind) std::fprintf(out, "%s vrek print %s\n", kind ? "usage :" : "       ", k.usage.c_str());
    std::fprintf(out, "        --bw : noir et blanc ; --from-97 : numérotation à partir de 97\n");
    std::fprintf(out, "        sans liste de donnes, de feuilles, de paires ni de bloc : tout ce qui tient une donne "
                      "complète\n");
    return asked ? 0 : 2;
}

bool helpAsked(const std::string &a) { return a == "--help" || a == "-h"; }

QtMessageHandler toolkitHandler = nullptr;

// A batch run without a desktop session has no runtime folder; the toolkit's
// remark about it is no concern of the user's.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:"))) return;
    if (toolkitHandler) toolkitHandler(type, context, message);
    else std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

std::unique_ptr<QGuiApplication> ensureGuiApplication() {
    if (QCoreApplication::instance()) return nullptr;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    toolkitHandler = qInstallMessageHandler(quietHandler);
    static int argc = 1;
    static char name[] = "vrek";
    static char *argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

namespace {

int run(const std::vector<std::string> &args) {
    if (args.empty()) return usage();
    if (helpAsked(args[0])) return usage({}, nullptr, true);
    const Kind *kind = nullptr;
    for (const Kind &k : kinds())
        if (k.name == args[0]) kind = &k;
    if (!kind) return usage("type d'impression inconnu : " + args[0]);
    for (size_t i = 1; i < args.size(); ++i)
        if (helpAsked(args[i])) return usage({}, kind, true);

    std::vector<std::string> valued = kind->valued, flags = kind->flags;
    valued.push_back("-o");
    flags.insert(flags.end(), {"--bw", "--from-97"});
    Options o;
    std::string err;
    if (!parseOptions(std::vector<std::string>(args.begin() + 1, args.end()), valued, flags, o, err)) return usage(err, kind);
    if (o.positional.size() != 1) return usage(o.positional.empty() ? "série manquante" : "trop d'arguments", kind);
    if (!o.has("-o") || o.value("-o").empty()) return usage("fichier de sortie manquant (-o FILE.pdf)", kind);
    if (int refused = refuseSeriesTarget(o.positional[0], o.value("-o"))) return refused;

    vrek::Series s;
    if (int rc = cli::readSeries(o.positional[0], s)) return rc;

    auto app = ensureGuiApplication();
    const vrek::Settings settings = cli::programSettings();
    vrek::PrintStyle style;
    style.colour = !o.has("--bw");
    style.numbering = o.has("--from-97") ? 1 : 0;
    const Prepared p = kind->prepare(Request{s, o, style, settings});
    if (p.code == 2) return usage(p.message, kind);
    if (p.code != 0) return fail(p.message);

    const std::string path = absolutePath(o.value("-o"));
    std::vector<QtCanvas::Document> log;
    const QString e = printing::writePdf(QString::fromStdString(path), p.draw, printing::defaultLayout(), &log);
    if (!e.isEmpty()) return fail(forTerminal(e.toStdString()));
    for (const QtCanvas::Document &d : log)
        std::printf("%s : %d page%s\n", d.title.c_str(), d.pages, d.pages > 1 ? "s" : "");
    return 0;
}

}  // namespace
}  // namespace cli::print
