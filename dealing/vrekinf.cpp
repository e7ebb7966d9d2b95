#include "dealing/vrekinf.h"

#include <QAction>
#include <QApplication>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "app/platform.h"
#include "app/vrekhp.h"
#include "dealing/dealer.h"

TInformation::TInformation(TForm1 &form, QWidget *parent) : QDialog(parent), form_(form) {
    setObjectName("Information");
    setWindowTitle(QStringLiteral("Nombre d'Itérations"));
    // A dialog border without system buttons: the loop has no cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(320, 80);
    auto *l = new QVBoxLayout(this);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, static_cast<int>(vrek::kMaxAttempts));
    ProgressBar2 = new QProgressBar(this);
    ProgressBar2->setObjectName("ProgressBar2");
    ProgressBar2->setRange(1, vrek::kBoards);
    l->addWidget(ProgressBar1);
    l->addWidget(ProgressBar2);

    form.distribute = [this] { distributionClick(); };
    connect(form.action("N3"), &QAction::triggered, this, [this] { n3Click(); });
}

void TInformation::showCentred() {
    if (QScreen *s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
    show();
    pump_.start();
    QApplication::processEvents();
}

void TInformation::attempts(uint32_t n) {
    ProgressBar1->setValue(static_cast<int>(n));
    // The dealer calls back about every 15 ms: keep the windows alive.
    QApplication::processEvents();
}

bool TInformation::dealCurrentBoard(bool record) {
    const int n = form_.currentDeal;
    if (!form_.fileOpen || n < 1) return false;
    ProgressBar2->setValue(vrek::kBoards);
    showCentred();
    auto progress = [this](uint32_t a) { attempts(a); };
    uint32_t made = record ? vrek::dealBoard(form_.series, n, form_.constraints, vrek::processRandom(), progress).attempts
                           : vrek::DealUnderConstraints(form_.series.deal(n), form_.constraints, vrek::processRandom(),
                                                        progress);
    hide();
    if (made == 0) {
        platform().warning(&form_, QStringLiteral("La donne ") + QString::number(n) +
                                       QStringLiteral(" est incohérente (une carte en double ou une main de plus de "
                                                      "13 cartes) : elle n'a pas été distribuée."));
        return false;
    }
    form_.entryCursor = 0;
    return true;
}

void TInformation::distributionClick() {
    if (dealCurrentBoard()) form_.redraw();
}

void TInformation::n3Click() {
    if (!form_.fileOpen) return;
    std::vector<int> boards;
    for (int n = 1; n <= vrek::kBoards; ++n) boards.push_back(n);
    showCentred();
    vrek::SeriesProgress p;
    p.boardStarted = [this](int board) {
        ProgressBar2->setValue(board);
        form_.currentDeal = board;
    };
    p.attempts = [this](uint32_t a) { attempts(a); };
    p.boardDone = [this](const vrek::BoardOutcome &o) {
        form_.gotoDeal(o.board);
        form_.redraw();
        QApplication::processEvents();
    };
    std::vector<vrek::BoardOutcome> out = vrek::dealSeries(form_.series, boards, form_.constraints,
                                                           vrek::processRandom(), p);
    hide();
    QStringList skipped;
    for (const auto &o : out)
        if (o.attempts == 0) skipped << QString::number(o.board);
    if (!skipped.isEmpty())
        platform().warning(&form_, QStringLiteral("Donnes incohérentes laissées telles quelles : ") +
                                       skipped.join(QStringLiteral(", ")));
}
