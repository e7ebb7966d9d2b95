// Time of one repaint of the projector picture (1600 x 1200) in the master
// display after a click, with the plain background and with a background
// picture; of a whole click (labels and picture); of the batch drawing with
// its background; and of the projector window stretching the picture over a
// full-HD screen. Wall-clock and processor times, since the machine may be busy.
// Build: cmake --build build --target bench_present
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "core/workspace.h"
#include "platform/platform.h"
#include "platform/qtcanvas.h"
#include "teach/VrekMaitre.h"
#include "teach/projection.h"

using namespace vrek;
using Clock = std::chrono::steady_clock;

namespace {

double cpuMs() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Runs `f` `runs` times and prints the median and worst wall time and the median processor time.
void measure(const char *what, int runs, const std::function<void()> &f) {
    std::vector<double> wall, cpu;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        const double c0 = cpuMs();
        f();
        cpu.push_back(cpuMs() - c0);
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-50s wall median %6.2f ms, p90 %6.2f ms   processor median %6.2f ms   (%d runs)\n", what,
                wall[wall.size() / 2], wall[wall.size() * 9 / 10], cpu[cpu.size() / 2], runs);
}

Series sampleSeries() {
    Series s;
    s.clear();
    Deal &d = s.deal(7);
    const char *hands[4] = {"AKQJ.432.T98.765", "T98.AKQJ.432.432", "765.T98.AKQJ.T98", "432.765.765.AKQJ"};
    const char *ranks = "23456789TJQKA";
    for (int seat = 1; seat <= 4; ++seat) {
        int suit = Spades;
        for (const char *c = hands[seat - 1]; *c; ++c) {
            if (*c == '.') --suit;
            else d.holding(seat, suit).insert(static_cast<int>(std::strchr(ranks, *c) - ranks) + 2);
        }
    }
    s.setLine(contractLine(7), makeContractLine("4P= par S sur entame 5T", {3, 3, 6}));
    const char *auction[] = {"\t N\t E\t S\t O", "\t1 P\t---\t2 P\t X ", "\tX X\t---\t4 P\t---", "\t---\t---"};
    for (int i = 0; i < 4; ++i) s.setLine(commentLine(7, 6 + i), auction[i]);
    return s;
}

// The master display on board 7 with every hand, the auction and the contract shown.
void showEverything(TVrekFMaitre &m) {
    for (int p = 1; p <= 4; ++p) m.VisClick(p);
    m.BtContratClick();
    m.BtVisEnchClick();
    m.cellClick(kAuctionRows, kAuctionColumns);
    for (int p = Upper; p <= Left; ++p) m.cardClick(p, Spades, 1);
}

}  // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const int runs = 200;
    Workspace ws;
    ws.install(sampleSeries(), "bench.vrk", "bench");
    ws.setCurrentDeal(7);

    {
        TVrekFMaitre m(ws, platform(), nullptr, nullptr);
        measure("master display: repaint after loading", runs, [&] { m.repaintPicture(); });
        showEverything(m);
        measure("master display: repaint, everything shown", runs, [&] { m.repaintPicture(); });
        measure("master display: a card played and taken back", runs / 2, [&] {
            m.cardClick(Upper, Clubs, 1);
            m.trickClick(2, 1);
        });
    }

    // A background picture in the program's folder.
    QTemporaryDir dir;
    QImage back(1800, 1200, QImage::Format_RGB888);
    back.fill(QColor(40, 120, 200));
    back.save(dir.filePath(QString::fromLatin1(kBackgroundFile)), "BMP");
    struct Folder : Platform {
        QString folder;
        void information(QWidget *, const QString &) override {}
        bool question(QWidget *, const QString &) override { return false; }
        Answer questionCancel(QWidget *, const QString &) override { return Answer::Cancel; }
        void warning(QWidget *, const QString &) override {}
        void error(QWidget *, const QString &) override {}
        QString openFileName(QWidget *, const FileDialogOptions &) override { return {}; }
        QString saveFileName(QWidget *, const FileDialogOptions &) override { return {}; }
        bool printDialog(QWidget *, QPrinter &) override { return false; }
        QColor chooseColor(QWidget *, const QColor &) override { return {}; }
        void setClipboardImage(const QImage &) override {}
        void setClipboardText(const ClipboardText &) override {}
        bool openUrl(const QString &) override { return false; }
        int httpGet(const QString &, int) override { return 0; }
        bool capsLock() override { return false; }
        void setCapsLock(bool) override {}
        bool numLock() override { return false; }
        void setNumLock(bool) override {}
        ProcessResult runProcess(const QString &, const QStringList &, const QByteArray &, int,
                                 const std::function<bool(const QByteArray &)> &) override {
            return {};
        }
        QString programFolder() override { return folder; }
        QDate today() override { return QDate::currentDate(); }
        QString shortDateFormat() override { return QStringLiteral("dd/MM/yyyy"); }
    } pf;
    pf.folder = dir.path() + "/";
    {
        TVrekFMaitre m(ws, pf, nullptr, nullptr);
        showEverything(m);
        measure("master display: repaint on a background picture", runs, [&] { m.repaintPicture(); });
    }

    // The batch command draws background and all at once.
    TeachDisplay d;
    d.load(ws.series(), 7, "bench");
    d.visible.fill(true);
    d.contractShown = d.auctionShown = true;
    d.clickCell(kAuctionRows, kAuctionColumns);
    QImage picture(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    measure("whole picture with the plain background (batch)", runs / 4, [&] {
        QtCanvas canvas(&picture);
        canvas.beginDocument("Vrek Projecteur");
        drawProjector(canvas, d, {});
        canvas.endDocument();
    });

    // The projector window's paint: the picture stretched over 1920 x 1080.
    QImage screen(1920, 1080, QImage::Format_RGB32);
    measure("projector window: picture stretched to 1920 x 1080", runs / 4, [&] {
        QPainter p(&screen);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(screen.rect(), picture);
    });
    return 0;
}
