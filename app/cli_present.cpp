// `vrek present`: the projector picture of one board as a PNG file, in the
// state the options give, without a window.
#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <memory>

#include "app/cli.h"
#include "app/cli_play.h"
#include "core/fileio.h"
#include "core/seriesfile.h"
#include "platform/platform.h"
#include "platform/qtcanvas.h"
#include "platform/uiutil.h"
#include "teach/background.h"
#include "teach/projection.h"

namespace {

int present(const std::vector<std::string> &args);

cli::CliRegistrar reg({"present",
                       "present SERIES.vrk --board N -o FILE.png [--show NESO] [--contract] [--auction] "
                       "[--vulnerability] [--rotate K] [--play CARDS] [--dd]",
                       "écrit l'image du projecteur d'une donne (1600 x 1200, PNG)", present});

bool number(const std::string &s, int lo, int hi, int &out) {
    if (s.empty() || s.size() > 3 || s.find_first_not_of("0123456789") != std::string::npos) return false;
    out = std::stoi(s);
    return out >= lo && out <= hi;
}

// The toolkit's remark about a missing runtime folder says nothing to the user.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &msg) {
    if (type == QtDebugMsg || msg.startsWith(QLatin1String("QStandardPaths:"))) return;
    std::fprintf(stderr, "%s\n", msg.toLocal8Bit().constData());
}

// The program's folder and the fonts need a GUI application; no display is used.
std::unique_ptr<QGuiApplication> guiApplication() {
    if (QCoreApplication::instance()) return nullptr;
    qInstallMessageHandler(quietMessages);
    static int argc = 3;
    static char name[] = "vrek", opt[] = "-platform", offscreen[] = "offscreen";
    static char *argv[] = {name, opt, offscreen, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int present(const std::vector<std::string> &args) {
    const cli::Command &me = cli::command("present");
    cli::Options o;
    std::string err;
    if (!cli::parseOptions(args, {"--board", "-o", "--show", "--rotate", "--play"},
                           {"--contract", "--auction", "--vulnerability", "--dd"}, o, err))
        return cli::usageError(me, err);
    if (o.positional.size() != 1) return cli::usageError(me);
    int board = 0, turns = 0;
    if (!o.has("--board") || !number(o.value("--board"), 1, vrek::kBoards, board))
        return cli::usageError(me, "numéro de donne manquant ou invalide (--board 1 à 96)");
    if (!o.has("-o") || o.value("-o").empty()) return cli::usageError(me, "fichier de sortie manquant (-o FICHIER.png)");
    if (int refused = cli::refuseSeriesTarget(o.positional[0], o.value("-o"))) return refused;
    if (o.has("--rotate") && !number(o.value("--rotate"), 0, 3, turns))
        return cli::usageError(me, "nombre de rotations invalide (--rotate 0 à 3) : " + o.value("--rotate"));
    const std::string show = o.value("--show");
    if (show.find_first_not_of("NESO") != std::string::npos)
        return cli::usageError(me, "mains invalides (--show, lettres N E S O) : " + show);
    std::vector<int> cards;
    if (o.has("--play") && !cli::parseCardList(o.value("--play"), cards, err))
        return cli::usageError(me, "carte invalide (rang A R D V X 9 … 2 puis couleur T K C P) : « " + err + " »");

    vrek::Series s;
    if (int rc = cli::readSeries(o.positional[0], s)) return rc;

    vrek::TeachDisplay d;
    d.load(s, board, cli::absolutePath(o.positional[0]));
    for (int i = 0; i < turns; ++i) d.rotate();
    for (char c : show)
        for (int p = 1; p <= 4; ++p)
            if (d.names[p - 1][0] == c) d.visible[p - 1] = true;
    if (int refused = cli::playCards(d, cards)) return refused;
    d.contractShown = o.has("--contract");
    d.vulnerabilityShown = o.has("--vulnerability");
    if (o.has("--auction")) {
        d.auctionShown = true;
        d.clickCell(vrek::kAuctionRows, vrek::kAuctionColumns);
    }

    auto app = guiApplication();
    if (o.has("--dd")) {
        // The numbers go under the hand on turn, drawn only when it is shown.
        vrek::PlayPosition position;
        vrek::PlayAnalysis a;
        if (int failed = cli::solveDisplay(d, vrek::playContractOf(d), position, a)) return failed;
        d.numbers.position = vrek::positionOf(d, a.seat);
        d.numbers.cards = a.cards;
        d.numbers.best = vrek::bestTricks(a, position.declarer);
        d.numbersOnProjector = true;
    }
    const vrek::BackgroundRead read = vrek::loadBackground(platform().programFolder().toStdString(), ui::pictureSize);
    if (!read.error.empty()) std::fprintf(stderr, "%s\n", read.error.c_str());
    const vrek::ProjectorBackground &bg = read.background;

    QImage picture(vrek::kPictureWidth, vrek::kPictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QtCanvas canvas(&picture);
        canvas.beginDocument("Vrek Projecteur");
        vrek::drawProjector(canvas, d, bg);
        canvas.endDocument();
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) return cli::fail("L'image n'a pas pu être codée en PNG.");
    const std::string file = o.value("-o");
    const std::string written = vrek::writeFileAtomic(file, png.toStdString());
    if (!written.empty()) return cli::fail(written);
    std::printf("Image de la donne %d écrite dans %s\n", board, cli::absolutePath(file).c_str());
    return 0;
}

}  // namespace
