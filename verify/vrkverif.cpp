#include "verify/vrkverif.h"

#include <algorithm>
#include <optional>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "platform/discardinput.h"
#include "platform/platform.h"
#include "core/workspace.h"
#include "platform/userfiles.h"
#include "platform/widgets.h"
#include "core/cp1252.h"
#include "verify/exchange.h"
#include "verify/lead.h"
#include "verify/score.h"
#include "verify/verification.h"
#include "verify/vrsolverpool.h"
#include "verify/vrsolverprocess.h"

using namespace vrek;

namespace {

QString qs(const std::string &utf8) { return QString::fromStdString(utf8); }

const QColor kWhite(255, 255, 255);
const QColor kLeadGreen(0, 255, 0);

// Card label prefixes and suit glyph label names, clubs first.
const char *const kCardPrefix[4] = {"Tre", "Kar", "Coe", "Piq"};
const QChar kSuitSign[4] = {QChar(0x2663), QChar(0x2666), QChar(0x2665), QChar(0x2660)};
const char *const kStrainItems[5] = {"Sans-Atout", "Piques", "Coeur", "Carreau", "Trèfle"};

void setBackground(QWidget *w, const QColor &bg, const QColor &fg = Qt::black) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, bg);
    p.setColor(QPalette::WindowText, fg);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// Busy cursor for the length of one verification, restored on every way out.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

struct Flag {
    bool &f;
    explicit Flag(bool &flag) : f(flag) { f = true; }
    ~Flag() { f = false; }
};

}  // namespace

TVrekverif::TVrekverif(vrek::Workspace &ws, Platform &pf, QWidget *parent) : QDialog(parent), ws_(ws), pf_(pf) {
    setObjectName("Vrekverif");
    setWindowTitle(QStringLiteral("Vérification du nombre de levées"));
    // No close box: the window goes with "&Quitter" or when it loses activation.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    solverProgram = solverBesideProgram();
    solverTimeoutMs = kSolverTimeoutMs;

    auto label = [](QWidget *parent, const char *name, const QString &text, int x, int y, int w, int h) {
        auto *l = new QLabel(text, parent);
        l->setObjectName(name);
        l->setGeometry(x, y, w, h);
        return l;
    };
    QFont bold("Arial", 10);
    bold.setBold(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setGeometry(8, 8, 250, 136);
    LbContrat = label(Panel1, "LbContrat", QStringLiteral("Contrât"), 8, 8, 54, 18);
    hauteur = label(Panel1, "hauteur", QStringLiteral("1"), 62, 8, 20, 18);
    LbDeclarant = label(Panel1, "LbDeclarant", QStringLiteral("Déclarant"), 112, 8, 66, 18);
    declarant = label(Panel1, "declarant", QStringLiteral("N"), 180, 8, 20, 18);
    Entam = label(Panel1, "Entam", QStringLiteral("Entame de E"), 8, 32, 120, 18);
    for (QLabel *l : {hauteur, declarant, Entam}) l->setFont(bold);

    const char *glyphNames[4] = {"TreS", "KarS", "CoeS", "PiqS"};
    QLabel *glyphs[4];
    for (int suit = Spades; suit >= Clubs; --suit) {
        const int y = 56 + (Spades - suit) * 19;
        QLabel *g = label(Panel1, glyphNames[suit - 1], QString(), 8, y, 18, 18);
        QFont gf("DejaVu Sans", 11);
        g->setFont(gf);
        g->setAlignment(Qt::AlignCenter);
        const bool red = suit == Hearts || suit == Diamonds;
        g->setStyleSheet(red ? "color: rgb(255,0,0)" : "color: black");
        glyphs[suit - 1] = g;
        for (int k = 1; k <= kMaxHolding; ++k) {
            auto *c = new ClickLabel(Panel1);
            c->setObjectName(QString("%1%2").arg(kCardPrefix[suit - 1]).arg(k));
            c->setToolTip(QStringLiteral("Cliquer sur la carte à distribuer"));
            c->setGeometry(30 + (k - 1) * 24, y, 22, 18);
            c->setAlignment(Qt::AlignCenter);
            c->setFont(bold);
            setBackground(c, kWhite);
            card[suit - 1][k - 1] = c;
            connect(c, &ClickLabel::pressed, this, [this, suit, k](int, Qt::MouseButton) { cardClick(suit, k); });
        }
    }
    TreS = glyphs[0];
    KarS = glyphs[1];
    CoeS = glyphs[2];
    PiqS = glyphs[3];

    // The up-downs sit beside the values they change.
    U_contrat = new UpDown(Panel1);
    U_contrat->setObjectName("U_contrat");
    U_contrat->setGeometry(84, 4, 16, 26);
    U_contrat->setRange(1, 7);
    U_contrat->setPosition(1);
    connect(U_contrat, &UpDown::clicked, this, [this](int d) { levelClick(d); });
    U_declarant = new UpDown(Panel1);
    U_declarant->setObjectName("U_declarant");
    U_declarant->setGeometry(202, 4, 16, 26);
    U_declarant->setRange(1, 4);
    U_declarant->setPosition(1);
    connect(U_declarant, &UpDown::clicked, this, [this](int d) { declarerClick(d); });

    Nature = new QGroupBox(QStringLiteral("Nature"), this);
    Nature->setObjectName("Nature");
    Nature->setGeometry(8, 150, 130, 132);
    natureGroup_ = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        NatureItem[i] = new QRadioButton(QString::fromUtf8(kStrainItems[i]), Nature);
        NatureItem[i]->setObjectName(QString("Nature%1").arg(i));
        NatureItem[i]->setGeometry(10, 22 + i * 21, 112, 20);
        natureGroup_->addButton(NatureItem[i], i);
    }
    NatureItem[0]->setChecked(true);

    Contrer = new QCheckBox(QStringLiteral("Contrer"), this);
    Contrer->setObjectName("Contrer");
    Contrer->setGeometry(150, 162, 108, 22);

    verifier = new QPushButton(QStringLiteral("&Vérifier"), this);
    verifier->setObjectName("verifier");
    verifier->setGeometry(150, 206, 108, 28);
    verifier->setAutoDefault(false);
    Quitter = new QPushButton(QStringLiteral("&Quitter"), this);
    Quitter->setObjectName("Quitter");
    Quitter->setGeometry(150, 246, 108, 28);
    Quitter->setAutoDefault(false);
    connect(verifier, &QPushButton::clicked, this, [this] { verifierClick(); });
    connect(Quitter, &QPushButton::clicked, this, &QDialog::hide);

    setFixedSize(266, 290);
    setSuitGlyphs();
}

// ---------------------------------------------------------------- settings

int TVrekverif::level() const { return U_contrat->position(); }
Strain TVrekverif::strain() const { return static_cast<Strain>(std::max(0, natureGroup_->checkedId())); }
int TVrekverif::declarer() const { return U_declarant->position(); }
bool TVrekverif::doubled() const { return Contrer->isChecked(); }

ContractChoice TVrekverif::choice() const {
    ContractChoice c;
    c.level = level();
    c.strain = strain();
    c.declarer = declarer();
    c.doubled = doubled();
    c.lead = lead_;
    return c;
}

void TVrekverif::setStrain(Strain s) { NatureItem[static_cast<int>(s)]->setChecked(true); }

void TVrekverif::setSuitGlyphs() {
    TreS->setText(kSuitSign[0]);
    KarS->setText(kSuitSign[1]);
    CoeS->setText(kSuitSign[2]);
    PiqS->setText(kSuitSign[3]);
}

// ---------------------------------------------------------------- activation

void TVrekverif::open() {
    if (busy_ || !ws_.fileOpen() || ws_.currentDeal() < 1 || ws_.currentDeal() > kBoards) return;
    setTag(0);
    activate();
    // The window needs a leader with cards; the button only offers complete
    // deals, but the deal may have been damaged since.
    const std::string refusal = refusalOf(ws_.series().deal(ws_.currentDeal()), declarer());
    if (!refusal.empty()) {
        pf_.information(parentWidget(), qs(refusal));
        return;
    }
    show();
    raise();
    activateWindow();
}

void TVrekverif::activate() {
    setSuitGlyphs();
    const int n = ws_.currentDeal();
    if (n < 1 || n > kBoards) return;
    const ContractChoice c = parseContractLine(ws_.series().line(contractLine(n)));
    U_contrat->setPosition(c.level);
    U_declarant->setPosition(c.declarer);
    setStrain(c.strain);
    Contrer->setChecked(c.doubled);
    lead_ = c.lead;
    hauteur->setText(QString::number(level()));
    showLeader();
}

void TVrekverif::showLeader() {
    const int n = ws_.currentDeal();
    const int leader = leaderOf(declarer());
    declarant->setText(QString(QChar(seatLetter(declarer()))));
    Entam->setText(QStringLiteral("Entame de ") + QChar(seatLetter(leader)));
    if (n < 1 || n > kBoards) return;
    const Deal &deal = ws_.series().deal(n);
    // A lead the leader does not hold gives way to the default lead (none
    // for a leader without cards: such a deal is refused, never looped on).
    lead_ = leadFor(deal, declarer(), lead_);
    const Hand &hand = deal.hand(leader);
    for (int suit = Clubs; suit <= Spades; ++suit) {
        const Holding &h = hand.suit(suit);
        const int count = std::min<int>(h.count, kMaxHolding);
        for (int k = 1; k <= kMaxHolding; ++k) {
            ClickLabel *l = card[suit - 1][k - 1];
            const int rank = k <= count ? h.rank(k) : 0;
            l->setText(rank ? QString(QChar(frenchRank(rank))) : QString());
            setBackground(l, rank && cardCode(suit, rank) == lead_ ? kLeadGreen : kWhite);
        }
    }
}

void TVrekverif::cardClick(int suit, int position) {
    const int n = ws_.currentDeal();
    if (busy_ || n < 1 || n > kBoards || suit < Clubs || suit > Spades) return;
    const Holding &h = ws_.series().deal(n).hand(leaderOf(declarer())).suit(suit);
    // A blank label holds no card: the lead falls back to the default one.
    lead_ = position >= 1 && position <= std::min<int>(h.count, kMaxHolding) ? cardCode(suit, h.rank(position)) : 0;
    showLeader();
}

void TVrekverif::levelClick(int delta) {
    U_contrat->setPosition(U_contrat->position() + delta);
    hauteur->setText(QString::number(level()));
}

void TVrekverif::declarerClick(int delta) {
    if (busy_) return;
    // The up arrow goes back one seat.
    U_declarant->setPosition(U_declarant->position() - delta);
    showLeader();
}

void TVrekverif::changeEvent(QEvent *e) {
    QDialog::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || isActiveWindow() || !isVisible() || busy_ || tag_ == 1) return;
    // Hidden when another window of the program takes over, but not for the
    // window's own message boxes.
    QWidget *now = QApplication::activeWindow();
    if (!now) return;
    for (QWidget *w = now; w; w = w->parentWidget())
        if (w == this) return;
    hide();
}

// ---------------------------------------------------------------- verification

Verification TVrekverif::run() {
    BusyCursor cursor;
    const int n = ws_.currentDeal();
    const std::string exchange = (ui::scratchFolder(pf_) + QString::fromLatin1(kExchangeFileName)).toStdString();
    const QString program = solverProgram;
    auto runner = [this, &program](const std::string &command) {
        return runSolverProcess(pf_, program, command, solverTimeoutMs);
    };
    Verification v =
        verifyContract(ws_.series().deal(n), n, choice(), exchange, runner, QDir::toNativeSeparators(program).toStdString());
    if (v.ok) {
        lead_ = v.lead;
        showLeader();
    }
    return v;
}

void TVrekverif::writeResult(Series &s, int n, const std::string &result) {
    s.setLine(contractLine(n), makeContractLine(result, lineCountsOf(s.line(contractLine(n)))));
}

bool TVrekverif::verifierClick() {
    const int n = ws_.currentDeal();
    if (busy_ || !ws_.fileOpen() || n < 1 || n > kBoards) return false;
    Verification v;
    {
        Flag busy(busy_);
        v = run();
    }
    if (!v.ok) {
        pf_.error(this, qs(v.error));
        return false;
    }
    if (tag_ != 1) {
        // The message box shows line breaks only as "\n".
        QString q = qs(questionText(v.tricks, declarer(), v.score, v.result));
        q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        if (!pf_.question(this, q)) return false;
    }
    ws_.edit(ChangeTexts, [&](Series &s) { writeResult(s, n, v.result); });
    if (tag_ != 1) hide();
    return true;
}

void TVrekverif::Verif_AutoClick() {
    if (busy_ || !ws_.fileOpen() || ws_.busy()) return;
    Flag busy(busy_);
    const int shown = ws_.currentDeal();
    setTag(1);
    // Kept to put the series back as it was if the solver fails on the way.
    std::vector<std::string> before(kBoards + 1);
    for (int d = 1; d <= kBoards; ++d) before[d] = ws_.series().line(contractLine(d));

    // Input is dropped while the solvers work: a click here could start
    // another verification or change the deal being verified, and one kept
    // for later would act on the board shown after the run.
    auto discard = std::make_optional<ui::DiscardInput>();
    show();
    raise();
    QCoreApplication::processEvents();

    // The evening's boards; the contract lines above stay as they are.
    const std::vector<int> boards = eveningBoards(ws_.settings());
    SolverPoolOptions pool;
    pool.platform = &pf_;
    pool.program = solverProgram;
    pool.programName = QDir::toNativeSeparators(solverProgram).toStdString();
    pool.timeoutMs = solverTimeoutMs;
    const QString folder = ui::scratchFolder(pf_);
    for (int i = 0; i < poolSize(static_cast<int>(boards.size())); ++i)
        pool.exchangePaths.push_back(
            (folder + (i ? QString("vrek%1.txt").arg(i + 1) : QString::fromLatin1(kExchangeFileName)))
                .toStdString());

    BoardsRun run;
    // One change of the series, undone as one; each board is shown as its
    // result is written.
    ws_.edit(ChangeTexts, [&](Series &series) {
        run = verifyBoards(series, boards, solverPool(pool), [&](const BoardResult &r) {
            ws_.setCurrentDeal(r.board);
            activate();
            writeResult(series, r.board, r.v.result);
            ws_.notify(ChangeTexts);
        });
        if (!run.ok()) {
            ws_.setCurrentDeal(run.failedBoard);
            for (int d = 1; d <= kBoards; ++d) series.setLine(contractLine(d), before[d]);
        } else {
            // Back to the board the director was on.
            ws_.setCurrentDeal(shown);
        }
    });
    // The lines shown on the way are back as they were.
    if (!run.ok()) ws_.notify(ChangeTexts);
    setTag(0);
    hide();
    discard.reset();
    if (!run.ok())
        pf_.error(parentWidget(), qs("Donne " + std::to_string(run.failedBoard) + " : " + run.error +
                                    "\nLa série n'a pas été modifiée."));
    else if (!run.skipped.empty() || !run.noContract.empty())
        pf_.information(parentWidget(), qs(skippedMessage(run.skipped, run.noContract)));
}
