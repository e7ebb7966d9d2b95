// Time from start to the shown main window on a full 96-deal series, and
// the time of one redraw. Run: ./bench.sh startup (offscreen unless DISPLAY).
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

#include "app/vrekhp.h"
#include "core/seriesfile.h"

namespace {
vrek::Deal randomDeal(std::mt19937 &g) {
    for (;;) {
        std::vector<int> c(52);
        for (int i = 0; i < 52; ++i) c[i] = i;
        std::shuffle(c.begin(), c.end(), g);
        vrek::Deal d;
        bool ok = true;
        for (int i = 0; i < 52 && ok; ++i) {
            vrek::Holding &h = d.holding(i / 13 + 1, c[i] / 13 + 1);
            if (h.full()) ok = false;
            else h.insert(c[i] % 13 + 2);
        }
        if (ok) return d;
    }
}
}  // namespace

int main(int argc, char **argv) {
    if (!qEnvironmentVariableIsSet("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    std::string name = dir.filePath("full.vrk").toStdString();
    vrek::Series s;
    s.clear();
    std::mt19937 g(1);
    for (int n = 1; n <= 96; ++n) {
        s.deal(n) = randomDeal(g);
        s.setLine(vrek::themeLine(n), "Th\xE8me de la donne " + std::to_string(n));
        s.setLine(vrek::contractLine(n), vrek::makeContractLine("4P S entame RC", {4, 3, 5}));
        for (int i = 0; i < 12; ++i) s.setLine(vrek::commentLine(n, i), "Commentaire " + std::to_string(i));
    }
    vrek::saveSeries(name, s);

    QElapsedTimer t;
    t.start();
    QApplication app(argc, argv);
    TForm1 form({QString::fromStdString(name)});
    form.show();
    QApplication::processEvents();
    double startMs = t.nsecsElapsed() / 1e6;

    const int rounds = 500;
    t.restart();
    for (int i = 0; i < rounds; ++i) {
        // Navigation redraws through the model's notification.
        form.model().setCurrentDeal(i % 96 + 1);
    }
    double redrawMs = t.nsecsElapsed() / 1e6 / rounds;
    std::printf("start to shown window (96 complete deals): %.1f ms\n", startMs);
    std::printf("one redraw: %.3f ms (mean of %d)\n", redrawMs, rounds);
    return 0;
}
