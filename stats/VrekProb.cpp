#include "stats/VrekProb.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>

#include "platform/widgets.h"
#include "stats/splitcalc.h"

using namespace vrek::stats;

namespace {

constexpr int kRowHeight = 24;

QLabel *label(QWidget *parent, const QString &name, const QString &text, int x, int y, int w,
              Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter) {
    auto *l = new QLabel(text, parent);
    if (!name.isEmpty()) l->setObjectName(name);
    l->setGeometry(x, y, w, 20);
    l->setAlignment(a);
    return l;
}

UpDown *upDown(QWidget *parent, const char *name, int lo, int hi, int start, int x, int y) {
    auto *u = new UpDown(parent);
    u->setObjectName(name);
    u->setRange(lo, hi);
    u->setPosition(start);
    u->setGeometry(x, y, 18, 30);
    return u;
}

}  // namespace

TVrekFProb::TVrekFProb(vrek::Workspace &, Platform &, QWidget *parent) : QDialog(parent) {
    setObjectName("VrekFProb");
    setWindowTitle(QStringLiteral("Probabilités de distribution d'un couleur dans les mains adverses"));
    setFixedSize(470, 620);

    label(this, {}, QStringLiteral("Nombre de cartes possédées de cette couleur"), 20, 12, 300);
    label(this, {}, QStringLiteral("dans la ligne ="), 20, 34, 100);
    LabelPoss = label(this, "LabelPoss", QStringLiteral("8"), 130, 34, 30);
    UpDownPoss = upDown(this, "UpDownPoss", 0, 12, 8, 160, 30);
    LabelRep = label(this, "LabelRep", QString::fromStdString(repartitionText(8)), 20, 66, 300);

    label(this, {}, QStringLiteral("<-Cartes connues->"), 170, 96, 130, Qt::AlignCenter);
    label(this, {}, QStringLiteral("de gauche"), 20, 96, 70);
    LabelConGauche = label(this, "LabelConGauche", QStringLiteral("0"), 90, 96, 30);
    UpDownConGauche = upDown(this, "UpDownConGauche", 0, 13, 0, 122, 91);
    label(this, {}, QStringLiteral("de droite"), 378, 96, 70);
    LabelConDroite = label(this, "LabelConDroite", QStringLiteral("0"), 320, 96, 30, Qt::AlignRight | Qt::AlignVCenter);
    UpDownConDroit = upDown(this, "UpDownConDroit", 0, 13, 0, 352, 91);

    const char *heads[5] = {"Gauche", "Dans la main", "%", "Dans la main", "Droite"};
    const int colX[5] = {10, 90, 180, 270, 360};
    for (int k = 0; k < 5; ++k) label(this, {}, QString::fromUtf8(heads[k]), colX[k] + 10, 130, 80, Qt::AlignCenter);
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setGeometry(10, 152, 450, 250);
    Panel1 = new QWidget;
    Panel1->setObjectName("Panel1");
    Panel1->resize(430, 1);
    ScrollBox1->setWidget(Panel1);
    QLabel **cols[5] = {GC, GP, PR, DP, DC};
    const char *prefix[5] = {"GC", "GP", "PR", "DP", "DC"};
    for (int r = 0; r < kRows; ++r)
        for (int k = 0; k < 5; ++k)
            cols[k][r] = label(Panel1, QString("%1%2").arg(prefix[k]).arg(r), {}, colX[k], r * kRowHeight + 2, 80,
                               Qt::AlignCenter);

    label(this, {}, QStringLiteral("les répartitions"), 90, 412, 120, Qt::AlignCenter);
    label(this, {}, QStringLiteral("sont en %"), 230, 412, 120, Qt::AlignCenter);
    ScrollBox2 = new QScrollArea(this);
    ScrollBox2->setObjectName("ScrollBox2");
    ScrollBox2->setGeometry(90, 434, 270, 140);
    Panel2 = new QWidget;
    Panel2->setObjectName("Panel2");
    Panel2->resize(250, 1);
    ScrollBox2->setWidget(Panel2);
    for (int r = 0; r < kMerged; ++r) {
        RC[r] = label(Panel2, QString("RC%1").arg(r), {}, 10, r * kRowHeight + 2, 100, Qt::AlignCenter);
        RP[r] = label(Panel2, QString("RP%1").arg(r), {}, 140, r * kRowHeight + 2, 100, Qt::AlignCenter);
    }

    ButQuitte = new QPushButton(QStringLiteral("Quitter"), this);
    ButQuitte->setObjectName("ButQuitte");
    ButQuitte->setGeometry(370, 584, 90, 28);
    ButImprime = new QPushButton(QStringLiteral("Imprimer"), this);
    ButImprime->setObjectName("ButImprime");
    ButImprime->setGeometry(270, 584, 90, 28);
    ButImprime->setEnabled(false);
    connect(ButQuitte, &QPushButton::clicked, this, &QWidget::hide);

    connect(UpDownPoss, &UpDown::clicked, this, [this](int d) { upDownClick(UpDownPoss, LabelPoss, d); });
    connect(UpDownConGauche, &UpDown::clicked, this, [this](int d) { upDownClick(UpDownConGauche, LabelConGauche, d); });
    connect(UpDownConDroit, &UpDown::clicked, this, [this](int d) { upDownClick(UpDownConDroit, LabelConDroite, d); });
    compute();
}

void TVrekFProb::upDownClick(UpDown *u, QLabel *l, int delta) {
    u->setPosition(u->position() + delta);
    l->setText(QString::number(u->position()));
    if (u == UpDownPoss) LabelRep->setText(QString::fromStdString(repartitionText(u->position())));
    compute();
}

void TVrekFProb::compute() {
    const std::string dp = QLocale().decimalPoint().toStdString();
    const SplitTables t = splitTables(UpDownPoss->position(), UpDownConGauche->position(), UpDownConDroit->position());
    rows_ = int(t.rows.size());
    QLabel **cols[5] = {GC, GP, PR, DP, DC};
    for (int r = 0; r < kRows; ++r) {
        const bool shown = r < rows_;
        const auto texts = shown ? splitRowTexts(t.rows[r], dp) : std::array<std::string, 5>{};
        for (int k = 0; k < 5; ++k) cols[k][r]->setText(QString::fromStdString(texts[k]));
    }
    Panel1->resize(Panel1->width(), 1 + rows_ * kRowHeight);
    merged_ = int(t.merged.size());
    for (int r = 0; r < kMerged; ++r) {
        const bool shown = r < merged_;
        const auto texts = shown ? mergedRowTexts(t.merged[r], dp) : std::array<std::string, 2>{};
        RC[r]->setText(QString::fromStdString(texts[0]));
        RP[r]->setText(QString::fromStdString(texts[1]));
    }
    Panel2->resize(Panel2->width(), 1 + merged_ * kRowHeight);
}
