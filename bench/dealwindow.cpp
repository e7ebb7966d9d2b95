// "Distribution Automatique" through the window: 96 empty boards under
// constraints no deal can meet (hand minimum 30 points, every suit at most
// 7 points), so 96 x 200000 attempts with the progress window moving.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTemporaryDir>
#include <cstdio>

#include "app/vrekhp.h"
#include "app/windows.h"
#include "dealing/vrekinf.h"

int main(int argc, char **argv) {
    if (!qEnvironmentVariableIsSet("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    TForm1 form({dir.filePath("vide.vrk")});
    createWindows(form);
    form.show();
    for (int seat = 1; seat <= 4; ++seat) {
        vrek::ConstraintRecord &r = form.model().constraints().record(1, seat);
        r[vrek::kMinPoints] = 30;
        for (int suit = 1; suit <= 4; ++suit) r[vrek::suitByte(suit, vrek::kSuitMaxPoints)] = 7;
    }
    int barUpdates = 0;
    QObject::connect(form.findChild<TInformation *>()->ProgressBar1, &QProgressBar::valueChanged, [&] { ++barUpdates; });
    QElapsedTimer t;
    t.start();
    form.action("N3")->trigger();
    double s = t.nsecsElapsed() / 1e9;
    std::printf("Distribution Automatique, 96 impossible boards (19 200 000 attempts): %.2f s, %.2f M attempts/s, "
                "%d progress bar moves\n",
                s, 19.2 / s, barUpdates);
    return 0;
}
