#include "teach/VrekMaitre.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <cstring>

#include "core/workspace.h"
#include "platform/platform.h"
#include "platform/qtcanvas.h"
#include "platform/uiutil.h"
#include "platform/widgets.h"
#include "teach/VrekProjecteur.h"
#include "teach/background.h"
#include "teach/playposition.h"
#include "verify/playquestion.h"

using namespace vrek;

namespace {

QColor qc(const Rgb &c) { return QColor(c.r, c.g, c.b); }
QString qs(const std::string &s) { return QString::fromStdString(s); }

const char *const kVisible = "Visible";

QFont glyphFont(int px) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    return f;
}

}  // namespace

TVrekFMaitre::TVrekFMaitre(Workspace &ws, Platform &pf, TVrekFProjecteur *projector, QWidget *parent)
    : QDialog(parent), ws_(ws), pf_(pf), projector_(projector),
      picture_(kPictureWidth, kPictureHeight, QImage::Format_RGB32) {
    setObjectName("VrekFMaitre");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(900, 660);
    build();
    const BackgroundRead read = loadBackground(pf_.programFolder().toStdString(), ui::pictureSize);
    bg_ = read.background;
    backgroundError_ = read.error;
    backgroundPicture_ = QImage(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    backgroundPicture_.fill(Qt::white);
    {
        QtCanvas canvas(&backgroundPicture_);
        canvas.beginDocument("Vrek Projecteur");
        drawBackground(canvas, bg_);
        canvas.endDocument();
    }
    picture_ = backgroundPicture_.copy();
    if (projector_) {
        projector_->setPicture(&picture_);
        projector_->closed = [this] {
            BtProjecteur->setText(QStringLiteral("Plein écran"));
            BtProjecteur->hide();
        };
        projector_->leftFullScreen = [this] { BtProjecteur->setText(QStringLiteral("Plein écran")); };
    }
    BtRechargerClick();
}

// ---------------------------------------------------------------- building

void TVrekFMaitre::build() {
    buildHand(Upper, 200, 10);
    buildHand(Right, 390, 175);
    buildHand(Lower, 200, 340);
    buildHand(Left, 10, 175);
    LH = findChild<QLabel *>("LH");
    LD = findChild<QLabel *>("LD");
    LB = findChild<QLabel *>("LB");
    LG = findChild<QLabel *>("LG");
    BtRotation = new QPushButton(QStringLiteral("Rotation"), this);
    BtRotation->setObjectName("BtRotation");
    BtRotation->setGeometry(240, 243, 100, 28);
    connect(BtRotation, &QPushButton::clicked, this, [this] { BtRotationClick(); });
    buildTricks(600, 10);
    buildAuction(600, 345);
    buildButtons(515);
    buildDoubleDummy(600, 560);
}

void TVrekFMaitre::buildHand(int p, int x, int y) {
    static const char *const names[4] = {"LH", "LD", "LB", "LG"};
    auto *name = new QLabel(this);
    name->setObjectName(names[p - 1]);
    name->setGeometry(x, y, 80, 20);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    Vis[p - 1] = new QPushButton(QString::fromLatin1(kVisible), this);
    Vis[p - 1]->setObjectName(QStringLiteral("Vis%1").arg(p));
    Vis[p - 1]->setGeometry(x + 90, y - 1, 80, 22);
    connect(Vis[p - 1], &QPushButton::clicked, this, [this, p] { VisClick(p); });
    QFont cardFont = font();
    cardFont.setPixelSize(14);
    cardFont.setBold(true);
    QFont numberFont = font();
    numberFont.setPixelSize(11);
    for (int i = 0; i < 4; ++i) {
        const int s = Spades - i;
        // Each row leaves room under its cards for their double-dummy numbers.
        const int row = y + 26 + 34 * i;
        QLabel *g = suitLabel[p - 1][s - 1] = new QLabel(qs(suitSign(s)), this);
        g->setObjectName(QStringLiteral("L%1%20").arg(p).arg(s));
        g->setGeometry(x, row, 18, 20);
        g->setFont(glyphFont(15));
        ui::setColours(g, QColor(), qc(printSuitColour(s, true)));
        for (int k = 1; k <= kMaxHolding; ++k) {
            auto *l = card[p - 1][s - 1][k - 1] = new ClickLabel(this);
            l->setObjectName(QStringLiteral("L%1%2%3").arg(p).arg(s).arg(k));
            l->setGeometry(x + 20 + 19 * (k - 1), row, 18, 20);
            l->setAlignment(Qt::AlignCenter);
            l->setFont(cardFont);
            l->setCursor(Qt::PointingHandCursor);
            connect(l, &ClickLabel::pressed, this, [this, p, s, k](int, Qt::MouseButton b) {
                if (b == Qt::LeftButton) cardClick(p, s, k);
            });
            auto *n = DM[p - 1][s - 1][k - 1] = new QLabel(this);
            n->setObjectName(QStringLiteral("DM%1%2%3").arg(p).arg(s).arg(k));
            n->setGeometry(x + 20 + 19 * (k - 1) - 2, row + 19, 22, 13);
            n->setAlignment(Qt::AlignCenter);
            n->setFont(numberFont);
            n->hide();
        }
    }
}

void TVrekFMaitre::buildTricks(int x, int y) {
    auto *title = new QLabel(QStringLiteral("Levées"), this);
    title->setGeometry(x, y, 100, 18);
    QFont rankFont = font();
    rankFont.setPixelSize(12);
    rankFont.setBold(true);
    for (int t = 1; t <= kTricks; ++t) {
        const int row = y + 20 + 18 * (t - 1);
        for (int c = 1; c <= kTrickColumns; ++c) {
            const int cx = x + 30 * (c - 1);
            auto *g = trickSuit[t - 1][c - 1] = new ClickLabel(this);
            g->setObjectName(QStringLiteral("C%1%2%3").arg(t).arg(c).arg(0));
            g->setGeometry(cx, row, 14, 18);
            g->setFont(glyphFont(12));
            auto *r = trickRank[t - 1][c - 1] = new ClickLabel(this);
            r->setObjectName(QStringLiteral("C%1%2%3").arg(t).arg(c).arg(1));
            r->setGeometry(cx + 14, row, 14, 18);
            r->setFont(rankFont);
            for (ClickLabel *l : {g, r}) {
                l->setCursor(Qt::PointingHandCursor);
                connect(l, &ClickLabel::pressed, this, [this, t, c](int, Qt::MouseButton b) {
                    if (b == Qt::LeftButton) trickClick(t, c);
                });
            }
        }
        S[t - 1] = new QLabel(this);
        S[t - 1]->setObjectName(QStringLiteral("S%1").arg(t));
        S[t - 1]->setGeometry(x + 30 * kTrickColumns + 4, row, 16, 18);
        S[t - 1]->setFont(rankFont);
    }
    auto *contrat = new QLabel(QStringLiteral("Contrat"), this);
    contrat->setGeometry(x, y + 265, 100, 18);
    LbContrat = new QLabel(this);
    LbContrat->setObjectName("LbContrat");
    LbContrat->setGeometry(x, y + 285, 290, 22);
    QFont big = font();
    big.setPixelSize(16);
    big.setBold(true);
    LbContrat->setFont(big);
    LbEntame = new QLabel(this);
    LbEntame->setObjectName("LbEntame");
    LbEntame->setGeometry(x, y + 308, 290, 22);
}

void TVrekFMaitre::buildAuction(int x, int y) {
    auto *title = new QLabel(QStringLiteral("Enchères :"), this);
    title->setGeometry(x, y, 100, 18);
    for (int r = 1; r <= kAuctionRows; ++r)
        for (int k = 1; k <= kAuctionColumns; ++k) {
            auto *e = E[r - 1][k - 1] = new QLineEdit(this);
            e->setObjectName(QStringLiteral("E%1%2").arg(r).arg(k));
            e->setGeometry(x + 56 * (k - 1), y + 20 + 22 * (r - 1), 54, 20);
            e->installEventFilter(this);
            connect(e, &QLineEdit::textEdited, this, [this, r, k](const QString &t) {
                d_.cells[r - 1][k - 1].text = t.toStdString();
                repaintPicture();
            });
        }
}

void TVrekFMaitre::buildButtons(int y) {
    auto button = [this](QPushButton *&b, const char *name, const QString &caption, int x, int by, int w) {
        b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(x, by, w, 26);
    };
    auto label = [this](const QString &text, int x, int ly, int w) {
        auto *l = new QLabel(text, this);
        l->setGeometry(x, ly + 4, w, 18);
    };
    label(QStringLiteral("Contrat"), 10, y, 70);
    button(BtContrat, "BtContrat", QStringLiteral("Contrat"), 80, y, 80);
    label(QStringLiteral("Enchères"), 190, y, 70);
    button(BtVisEnch, "BtVisEnch", QString::fromLatin1(kVisible), 260, y, 80);
    label(QStringLiteral("Ouvreur / Vulnérabilité"), 10, y + 32, 160);
    button(BtVul, "BtVul", QStringLiteral("Caché"), 170, y + 32, 80);
    button(BtImpose, "BtImpose", QStringLiteral("Impose en fonction du numéro :"), 10, y + 64, 230);
    SpEdNum = new QSpinBox(this);
    SpEdNum->setObjectName("SpEdNum");
    SpEdNum->setGeometry(250, y + 64, 60, 26);
    SpEdNum->setRange(1, 16);
    SpEdNum->setValue(2);
    button(BtRecharger, "BtRecharger", QStringLiteral("Charger"), 10, y + 110, 90);
    button(BtActivation, "BtActivation", QStringLiteral("Activation Projecteur"), 110, y + 110, 170);
    button(BtProjecteur, "BtProjecteur", QStringLiteral("Plein écran"), 290, y + 110, 120);
    button(BtQuitter, "BtQuitter", QStringLiteral("Quitter"), 420, y + 110, 90);
    BtProjecteur->hide();

    connect(BtContrat, &QPushButton::clicked, this, [this] { BtContratClick(); });
    connect(BtVisEnch, &QPushButton::clicked, this, [this] { BtVisEnchClick(); });
    connect(BtVul, &QPushButton::clicked, this, [this] { BtVulClick(); });
    connect(BtImpose, &QPushButton::clicked, this, [this] { BtImposeClick(); });
    connect(SpEdNum, &QSpinBox::valueChanged, this, [this](int v) {
        d_.imposedNumber = v;
        repaintPicture();
    });
    connect(BtRecharger, &QPushButton::clicked, this, [this] { BtRechargerClick(); });
    connect(BtActivation, &QPushButton::clicked, this, [this] { BtActivationClick(); });
    connect(BtProjecteur, &QPushButton::clicked, this, [this] { BtProjecteurClick(); });
    connect(BtQuitter, &QPushButton::clicked, this, [this] { BtQuitterClick(); });
    showImposed();
}

void TVrekFMaitre::buildDoubleDummy(int x, int y) {
    DoubleMort = new QCheckBox(QStringLiteral("Double mort"), this);
    DoubleMort->setObjectName("DoubleMort");
    DoubleMort->setGeometry(x, y, 120, 22);
    SurProjecteur = new QCheckBox(QStringLiteral("Sur le projecteur"), this);
    SurProjecteur->setObjectName("SurProjecteur");
    SurProjecteur->setGeometry(x + 130, y, 160, 22);
    SurProjecteur->setEnabled(false);
    LbDoubleMort = new QLabel(this);
    LbDoubleMort->setObjectName("LbDoubleMort");
    LbDoubleMort->setGeometry(x, y + 26, 290, 60);
    LbDoubleMort->setWordWrap(true);
    LbDoubleMort->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(DoubleMort, &QCheckBox::toggled, this, [this] { DoubleMortClick(); });
    connect(SurProjecteur, &QCheckBox::toggled, this, [this] { SurProjecteurClick(); });
}

// ---------------------------------------------------------------- commands

void TVrekFMaitre::open() {
    // Told when the display is first asked for, not at every start-up.
    if (!backgroundError_.empty()) {
        pf_.warning(this, qs(backgroundError_));
        backgroundError_.clear();
    }
    show();
    raise();
    activateWindow();
}

void TVrekFMaitre::BtRechargerClick() {
    BtContrat->setText(QString::fromLatin1(kVisible));
    BtVisEnch->setText(QString::fromLatin1(kVisible));
    d_.load(ws_.series(), ws_.currentDeal(), ws_.seriesFileName());
    setWindowTitle(qs(d_.caption));
    LbContrat->setText(qs(d_.contract));
    LbEntame->setText(qs(d_.lead));
    redisplay();
}

void TVrekFMaitre::BtRotationClick() {
    d_.rotate();
    BtVisEnch->setText(QString::fromLatin1(kVisible));
    for (QPushButton *b : Vis) b->setText(QString::fromLatin1(kVisible));
    redisplay();
}

void TVrekFMaitre::BtActivationClick() {
    repaintPicture();
    if (projector_) {
        projector_->show();
        projector_->raise();
    }
    BtProjecteur->show();
}

void TVrekFMaitre::BtProjecteurClick() {
    if (!projector_) return;
    if (projector_->isFullScreenShown()) {
        projector_->normalScreen();
        BtProjecteur->setText(QStringLiteral("Plein écran"));
    } else {
        projector_->fullScreen();
        BtProjecteur->setText(QStringLiteral("Ecran Normal"));
    }
}

void TVrekFMaitre::BtQuitterClick() {
    if (projector_) projector_->hide();
    hide();
}

void TVrekFMaitre::closeEvent(QCloseEvent *e) {
    if (projector_) projector_->hide();
    e->accept();
}

void TVrekFMaitre::VisClick(int p) {
    d_.toggleHand(p);
    Vis[p - 1]->setText(d_.visible[p - 1] ? QStringLiteral("Cachée") : QString::fromLatin1(kVisible));
    repaintPicture();
}

void TVrekFMaitre::BtContratClick() {
    d_.contractShown = !d_.contractShown;
    BtContrat->setText(d_.contractShown ? QStringLiteral("Caché") : QString::fromLatin1(kVisible));
    repaintPicture();
}

void TVrekFMaitre::BtVisEnchClick() {
    d_.auctionShown = !d_.auctionShown;
    BtVisEnch->setText(d_.auctionShown ? QStringLiteral("Cachées") : QString::fromLatin1(kVisible));
    repaintPicture();
}

void TVrekFMaitre::BtVulClick() {
    d_.toggleVulnerability();
    BtVul->setText(d_.vulnerabilityShown ? QStringLiteral("Caché") : QString::fromLatin1(kVisible));
    showImposed();
    repaintPicture();
}

void TVrekFMaitre::BtImposeClick() {
    d_.imposed = !d_.imposed;
    showImposed();
    repaintPicture();
}

void TVrekFMaitre::showImposed() {
    BtImpose->setEnabled(d_.vulnerabilityShown);
    // The number's colour says whether it is in force.
    QPalette p = SpEdNum->palette();
    p.setColor(QPalette::Text, d_.imposed ? palette().color(QPalette::WindowText) : palette().color(QPalette::Disabled,
                                                                                                     QPalette::Text));
    SpEdNum->setPalette(p);
}

void TVrekFMaitre::cardClick(int p, int s, int k) {
    if (d_.play(p, s, k)) redisplay();
}

void TVrekFMaitre::trickClick(int t, int c) {
    if (d_.takeBack(t, c)) redisplay();
}

void TVrekFMaitre::cellClick(int r, int k) {
    d_.clickCell(r, k);
    showCells();
    repaintPicture();
}

bool TVrekFMaitre::eventFilter(QObject *o, QEvent *e) {
    if (e->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton)
        for (int r = 1; r <= kAuctionRows; ++r)
            for (int k = 1; k <= kAuctionColumns; ++k)
                if (o == E[r - 1][k - 1]) cellClick(r, k);
    return QDialog::eventFilter(o, e);
}

// ---------------------------------------------------------------- double dummy

void TVrekFMaitre::DoubleMortClick() {
    const bool on = DoubleMort->isChecked();
    SurProjecteur->setEnabled(on);
    if (!on) {
        SurProjecteur->setChecked(false);
        LbDoubleMort->clear();
        if (forgetPlay) forgetPlay();
    }
    refreshNumbers();
    showNumbers();
    repaintPicture();
}

void TVrekFMaitre::SurProjecteurClick() {
    d_.numbersOnProjector = SurProjecteur->isChecked();
    repaintPicture();
}

void TVrekFMaitre::refreshNumbers() {
    askedKey_.clear();
    d_.numbers = {};
    if (!DoubleMort->isChecked()) return;
    PlayPosition pos;
    std::string why;
    if (!displayPosition(d_, playContractOf(d_), pos, why)) {
        if (forgetPlay) forgetPlay();
        LbDoubleMort->setText(qs(why));
        return;
    }
    if (!askPlay) {
        LbDoubleMort->setText(QStringLiteral("Double mort indisponible : pas de programme de calcul."));
        return;
    }
    // "…" under each legal card until the answer for this very position comes.
    askedKey_ = playKey(pos);
    d_.numbers.position = positionOf(d_, pos.onTurn());
    for (int card : legalCards(pos)) d_.numbers.cards.push_back({card, -1});
    LbDoubleMort->setText(QStringLiteral("Double mort de %1 : …").arg(qs(d_.names[d_.numbers.position - 1])));
    askPlay(pos);
}

void TVrekFMaitre::playAnswered(const PlayPosition &p, const PlayAnalysis &a) {
    if (!DoubleMort->isChecked() || askedKey_.empty() || playKey(p) != askedKey_) return;
    d_.numbers.position = positionOf(d_, a.seat);
    d_.numbers.cards = a.cards;
    d_.numbers.best = bestTricks(a, p.declarer);
    LbDoubleMort->setText(QStringLiteral("Double mort de %1 : le camp du déclarant fait au mieux %2 levées.")
                              .arg(qs(d_.names[d_.numbers.position - 1]))
                              .arg(d_.numbers.best));
    if (redisplaying_) return;  // drawn by the redisplay under way
    showNumbers();
    if (d_.numbersOnProjector) repaintPicture();
}

void TVrekFMaitre::playRefused(const PlayPosition &p, const QString &message) {
    if (!DoubleMort->isChecked() || askedKey_.empty() || playKey(p) != askedKey_) return;
    d_.numbers = {};
    LbDoubleMort->setText(QStringLiteral("Double mort impossible : %1").arg(message));
    if (redisplaying_) return;
    showNumbers();
    if (d_.numbersOnProjector) repaintPicture();
}

void TVrekFMaitre::playFailed(const QString &message) {
    if (!DoubleMort->isChecked()) return;
    // Said once: the ticks go off and the display goes on without numbers.
    DoubleMort->setChecked(false);
    LbDoubleMort->setText(QStringLiteral("Double mort indisponible : %1").arg(message));
    pf_.warning(this, message);
}

void TVrekFMaitre::showNumbers() {
    const PlayNumbers &n = d_.numbers;
    for (int p = 1; p <= 4; ++p)
        for (int s = 1; s <= 4; ++s)
            for (int k = 1; k <= kMaxHolding; ++k) {
                QLabel *l = DM[p - 1][s - 1][k - 1];
                const int r = d_.rankAt(p, s, k);
                const int v = p == n.position && r ? n.of(s, r) : -2;
                l->setVisible(v != -2);
                if (v == -2) continue;
                const bool best = v >= 0 && v == n.best;
                l->setText(v < 0 ? QStringLiteral("…") : QString::number(v));
                QFont f = l->font();
                f.setBold(best);
                l->setFont(f);
                ui::setColours(l, QColor(), best ? qc(contractColour(d_.contract)) : QColor(Qt::black));
            }
}

// ---------------------------------------------------------------- display

void TVrekFMaitre::redisplay() {
    redisplaying_ = true;
    refreshNumbers();
    redisplaying_ = false;
    QLabel *names[4] = {LH, LD, LB, LG};
    for (int p = 1; p <= 4; ++p) {
        names[p - 1]->setText(qs(d_.names[p - 1]));
        for (int s = 1; s <= 4; ++s)
            for (int k = 1; k <= kMaxHolding; ++k) {
                const int r = d_.rankAt(p, s, k);
                ClickLabel *l = card[p - 1][s - 1][k - 1];
                l->setText(r ? QString(QChar::fromLatin1(frenchRank(r))) : QString());
                l->setVisible(r != 0);
            }
    }
    for (int t = 1; t <= kTricks; ++t) {
        for (int c = 1; c <= kTrickColumns; ++c) {
            const int v = d_.tricks[t - 1][c - 1];
            ClickLabel *g = trickSuit[t - 1][c - 1], *r = trickRank[t - 1][c - 1];
            g->setVisible(v != 0);
            r->setVisible(v != 0);
            if (!v) continue;
            const int suit = v / 100 % 10;
            g->setText(qs(suitSign(suit)));
            ui::setColours(g, QColor(), qc(printSuitColour(suit, true)));
            r->setText(QString(QChar::fromLatin1(frenchRank(v % 100))));
        }
        S[t - 1]->setText(QString(QChar::fromLatin1(d_.marks[t - 1])));
        S[t - 1]->setVisible(d_.marks[t - 1] != ' ');
    }
    showCells();
    showNumbers();
    repaintPicture();
}

void TVrekFMaitre::showCells() {
    for (int r = 1; r <= kAuctionRows; ++r)
        for (int k = 1; k <= kAuctionColumns; ++k) {
            const AuctionCell &c = d_.cells[r - 1][k - 1];
            QLineEdit *e = E[r - 1][k - 1];
            if (e->text() != qs(c.text)) e->setText(qs(c.text));
            QPalette p = e->palette();
            p.setColor(QPalette::Base, qc(c.background));
            p.setColor(QPalette::Text, qc(c.font));
            e->setPalette(p);
        }
}

void TVrekFMaitre::repaintPicture() {
    std::memcpy(picture_.bits(), backgroundPicture_.constBits(), static_cast<size_t>(picture_.sizeInBytes()));
    {
        QtCanvas canvas(&picture_);
        canvas.beginDocument("Vrek Projecteur");
        drawForeground(canvas, d_);
        canvas.endDocument();
    }
    ++repaints_;
    if (projector_) projector_->update();
}
