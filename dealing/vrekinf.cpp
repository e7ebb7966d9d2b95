#include "dealing/vrekinf.h"

#include <QApplication>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <optional>

#include "platform/discardinput.h"
#include "platform/platform.h"
#include "core/workspace.h"
#include "dealing/dealer.h"

TInformation::TInformation(vrek::Workspace &ws, Platform &pf, QWidget *parent) : QDialog(parent), ws_(ws), pf_(pf) {
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
}

void TInformation::showCentred() {
    if (QScreen *s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
    show();
    pump_.start();
    pump();
}

void TInformation::pump() {
    // The windows repaint; clicks and keys are dropped by the run's
    // DiscardInput: nothing may change or replace the series the run is
    // writing into, nor act on the board shown after it.
    QApplication::processEvents();
}

void TInformation::attempts(uint32_t n) {
    ProgressBar1->setValue(static_cast<int>(n));
    // The dealer calls back about every 15 ms: keep the windows alive.
    pump();
}

bool TInformation::dealCurrentBoard(bool record) {
    const int n = ws_.currentDeal();
    if (!ws_.fileOpen() || n < 1 || ws_.busy()) return false;
    ProgressBar2->setRange(1, vrek::kBoards);
    // Dropped before any message: the director must be able to answer it.
    auto discard = std::make_optional<ui::DiscardInput>();
    ProgressBar2->setValue(vrek::kBoards);
    showCentred();
    auto progress = [this](uint32_t a) { attempts(a); };
    vrek::BoardOutcome o;
    ws_.edit(vrek::ChangeDeals | vrek::ChangeTexts, [&](vrek::Series &s) {
        if (record) {
            o = key_ ? vrek::dealBoard(s, n, ws_.constraints(), *key_, progress)
                     : vrek::dealBoard(s, n, ws_.constraints(), vrek::processRandom(), progress);
        } else {
            o.board = n;
            o.attempts = vrek::DealUnderConstraints(s.deal(n), ws_.constraints(), vrek::processRandom(), progress,
                                                    &o.satisfied);
        }
    });
    hide();
    discard.reset();
    if (o.attempts == 0) {
        pf_.warning(parentWidget(), QStringLiteral("La donne ") + QString::number(n) +
                                       QStringLiteral(" est incohérente (une carte en double ou une main de plus de "
                                                      "13 cartes) : elle n'a pas été distribuée."));
        return false;
    }
    ws_.setEntryCursor(0);
    // "Distribution" says when the deal it kept does not meet the constraints.
    if (record && !o.satisfied)
        pf_.warning(parentWidget(), QString::fromStdString(vrek::unmetConstraintsMessage({n})));
    return true;
}

void TInformation::distributionClick() { dealCurrentBoard(); }

bool TInformation::dealCurrentBoardWith(const vrek::DealingKey &key) {
    key_ = &key;
    const bool done = dealCurrentBoard();
    key_ = nullptr;
    return done;
}

void TInformation::n3ClickWith(const vrek::DealingKey &key) {
    key_ = &key;
    n3Click();
    key_ = nullptr;
}

void TInformation::n3Click() {
    if (!ws_.fileOpen() || ws_.busy()) return;
    const int shown = ws_.currentDeal();
    auto discard = std::make_optional<ui::DiscardInput>();
    // The evening's boards; those above keep their deals.
    const std::vector<int> boards = vrek::eveningBoards(ws_.settings());
    ProgressBar2->setRange(1, static_cast<int>(boards.size()));
    showCentred();
    vrek::SeriesProgress p;
    p.boardStarted = [this](int board) { ProgressBar2->setValue(board); };
    p.attempts = [this](uint32_t a) { attempts(a); };
    p.boardDone = [this](const vrek::BoardOutcome &o) {
        // The board just dealt is shown while the next one is dealt.
        ws_.setCurrentDeal(o.board);
        pump();
    };
    std::vector<vrek::BoardOutcome> out;
    ws_.edit(vrek::ChangeDeals | vrek::ChangeTexts, [&](vrek::Series &s) {
        out = key_ ? vrek::dealSeries(s, boards, ws_.constraints(), *key_, p)
                   : vrek::dealSeries(s, boards, ws_.constraints(), vrek::processRandom(), p);
        // The board the director was on, not the last one dealt.
        ws_.setCurrentDeal(shown);
    });
    hide();
    discard.reset();
    QStringList skipped;
    for (const auto &o : out)
        if (o.attempts == 0) skipped << QString::number(o.board);
    if (!skipped.isEmpty())
        pf_.warning(parentWidget(), QStringLiteral("Donnes incohérentes laissées telles quelles : ") +
                                       skipped.join(QStringLiteral(", ")));
    std::string unmet = vrek::unmetConstraintsMessage(vrek::unmetBoards(out));
    if (!unmet.empty()) pf_.warning(parentWidget(), QString::fromStdString(unmet));
}
