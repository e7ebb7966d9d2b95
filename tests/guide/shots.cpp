// Takes the pictures of the windows that the user guide shows, from the
// program's own windows on a sample series, offscreen:
//   cmake --build build --target guideshots
//   build/guideshots docs/guide/images
// Run again after a window changes, look at the pictures, commit them.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "app/vrekhp.h"
#include "app/windows.h"
#include "core/seriesfile.h"
#include "scriptedplatform.h"
#include "testutil.h"

using namespace vrek;

namespace {

QString outDir;

void pump(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Pictures stay small in the sources: 256 colours are plenty for windows.
void save(QWidget *w, const char *name) {
    pump(150);
    QImage img = w->grab().toImage().convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    const QString file = outDir + '/' + name;
    if (!img.save(file, "PNG", 9)) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    else std::printf("%s %dx%d\n", qPrintable(file), img.width(), img.height());
}

void run(const QString &program, const QStringList &args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        std::fprintf(stderr, "%s %s failed\n", qPrintable(program), qPrintable(args.join(' ')));
}

// A page or picture with a thin grey frame, so that white stays apart from the paper.
void savePage(const QImage &page, const char *name) {
    if (page.isNull()) {
        std::fprintf(stderr, "no picture for %s\n", name);
        return;
    }
    QImage framed = page.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&framed);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(framed.rect().adjusted(0, 0, -1, -1));
    painter.end();
    QImage img = framed.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    const QString file = outDir + '/' + name;
    if (!img.save(file, "PNG", 9)) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    else std::printf("%s %dx%d\n", qPrintable(file), img.width(), img.height());
}

// The window the last command showed, besides the main window.
QWidget *shown(QWidget *main) {
    QWidget *found = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != main && w->isVisible() && w->isWindow() && !w->inherits("QMenu")) found = w;
    return found;
}

void saveShown(TForm1 &form, const char *name) {
    pump(150);
    if (QWidget *w = shown(&form)) {
        save(w, name);
        w->hide();
    } else {
        std::fprintf(stderr, "nothing shown for %s\n", name);
    }
}

void trigger(TForm1 &form, const char *item) {
    if (QAction *a = form.action(item)) a->trigger();
    else std::fprintf(stderr, "no item %s\n", item);
}

// The lesson's first board, with its texts, and random deals after it.
QString makeSeries(const QString &folder) {
    Series s;
    s.clear();
    s.setLine(0, "Cours du mardi");
    s.deal(1) = testutil::dealFrom("AK5.974.AQT3.862", "762.QJT8.KJ9.KQJ", "QJT984.AK.75.A43", "3.6532.8642.T975");
    s.setLine(themeLine(1), "Compter ses lev\xE9""es avant de jouer");
    s.setLine(contractLine(1), makeContractLine("4P S entame XT", {3, 3, 6}));
    const char *comments[] = {
        "Sud compte 10 lev\xE9""es : six atouts,",
        "deux C\x9C""urs, un Carreau et un Tr\xE8""fle.",
        "Il tire les atouts d'abord.",
        "Ouest entame du 10 de Tr\xE8""fle,",
        "t\xEA""te de s\xE9""quence.",
        "",
        "\t1 K\t---\t1 P\t---",
        "\t2 P\t---\t4 P\t---",
        "\t---\t---",
    };
    for (int i = 0; i < 9; ++i) s.setLine(commentLine(1, i), comments[i]);
    s.setLine(provenanceLine(1), "Donne du livre, chapitre 3");
    for (int b = 2; b <= 24; ++b) {
        s.deal(b) = testutil::shuffledDeal(100 + b);
        s.setLine(themeLine(b), "Donne " + std::to_string(b));
    }
    const QString name = folder + "/mardi.vrk";
    saveSeries(name.toStdString(), s);
    return name;
}

}  // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Distributeur"));
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(outDir);

    testutil::TempDir dir;
    ScriptedPlatform plat;
    plat.folder = QString::fromStdString(dir.path()) + "/";
    const QString series = makeSeries(QString::fromStdString(dir.path()));

    TForm1 form({series});
    createWindows(form);
    form.show();
    pump(3000);  // the double-dummy grid comes from the solver
    save(&form, "principale.png");

    // The menus' windows, in the order of the menus.
    const QString dup = QString::fromStdString(dir.file("mardi.DUP"));
    plat.fileNames.enqueue(dup);
    trigger(form, "HandyDup1");
    pump(100);
    if (QWidget *w = shown(&form)) {
        save(w, "exporter.png");
        w->findChild<QPushButton *>("Exporte")->click();
    }
    plat.fileNames.enqueue(dup);
    trigger(form, "HundyDup1Insert");
    saveShown(form, "inserer.png");

    trigger(form, "Vrek1");
    saveShown(form, "mains.png");
    trigger(form, "Diagrammes1");
    saveShown(form, "diagrammes.png");
    trigger(form, "HuitDiagrammeschoisis1");
    saveShown(form, "huit.png");
    trigger(form, "Surfeuillesvierges1");
    saveShown(form, "fiches.png");
    trigger(form, "Imprime1");
    saveShown(form, "etiquettes.png");
    trigger(form, "Paramtres1");
    saveShown(form, "parametres.png");

    trigger(form, "Caractristiques1");
    saveShown(form, "contraintes.png");
    trigger(form, "Permutation");
    saveShown(form, "permutation.png");
    form.verify();
    saveShown(form, "verification.png");

    trigger(form, "StatistiquesdelaSrie1");
    saveShown(form, "statistiques.png");
    trigger(form, "Probabilit1");
    saveShown(form, "residus.png");
    trigger(form, "Approchestatistique1");
    saveShown(form, "ligne.png");

    trigger(form, "Prsentation1");
    pump(100);
    if (QWidget *w = shown(&form)) {
        for (const char *b : {"Vis1", "Vis3", "BtContrat", "BtVul"})
            if (auto *button = w->findChild<QPushButton *>(b)) button->click();
        // The double-dummy numbers come from the solver beside the program.
        if (auto *numbers = w->findChild<QCheckBox *>("DoubleMort")) numbers->click();
        pump(3000);
        save(w, "presentation.png");
        w->hide();
    }

    // Its activation empties the auction of the board shown.
    form.BtEncheres->click();
    saveShown(form, "encheres.png");

    form.gotoDeal(30);
    form.keyboardEntry();
    saveShown(form, "clavier.png");

    // The printouts and the projector picture, from the batch commands.
    const QString tmp = QString::fromStdString(dir.path()) + '/';
    const QStringList pages[] = {
        {"print", "diagrams", series, "-o", tmp + "diagrammes.pdf", "--sheets", "1"},
        {"print", "hands", series, "-o", tmp + "feuille.pdf", "--seats", "N", "--block", "1"},
        {"print", "travellers", series, "-o", tmp + "fiche.pdf", "--pairs", "1", "--section", "A"},
        {"print", "labels", series, "-o", tmp + "etiquettes.pdf", "--boards", "1-12"},
        {"print", "stats", series, "-o", tmp + "statistiques.pdf"},
    };
    for (const QStringList &args : pages) {
        run(QApplication::applicationDirPath() + "/vrek", args);
        const QString pdf = args[4];
        run("pdftoppm", {"-r", "50", "-png", "-f", "1", "-l", "1", "-singlefile", pdf, tmp + "page"});
        savePage(QImage(tmp + "page.png"), QString("page-" + QFileInfo(pdf).baseName() + ".png").toUtf8());
    }
    run(QApplication::applicationDirPath() + "/vrek",
        {"present", series, "--board", "1", "-o", tmp + "projecteur.png", "--show", "NS", "--contract", "--auction",
         "--vulnerability", "--play", "XT,2T,VT,AT"});
    savePage(QImage(tmp + "projecteur.png").scaledToWidth(480, Qt::SmoothTransformation), "projecteur.png");
    return 0;
}
