#include "printing/vrkPara.h"

#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "core/workspace.h"
#include "platform/platform.h"
#include "platform/qtcanvas.h"
#include "platform/widgets.h"
#include "printing/labelpreview.h"
#include "printing/printjob.h"

using namespace vrek;

LabelSheetPicture::LabelSheetPicture(QWidget *parent) : QWidget(parent) { setMinimumSize(300, 240); }

void LabelSheetPicture::paintEvent(QPaintEvent *) {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QtCanvas canvas(&image);
        canvas.beginDocument("");
        drawLabelPreview(canvas, geometry);
        canvas.finish();
    }
    QPainter(this).drawImage(0, 0, image);
}

TVrekPara::TVrekPara(Workspace &ws, Platform &pf, QWidget *parent) : QDialog(parent), ws_(ws), pf_(pf) {
    setObjectName("VrekPara");
    setWindowTitle(QStringLiteral("Paramètres des étiquettes: Approximativement en dixième de Millimètres"));

    auto upDown = [this](const char *name, int lo, int hi) {
        auto *u = new UpDown(this);
        u->setObjectName(name);
        u->setRange(lo, hi);
        u->setFixedSize(18, 26);
        return u;
    };
    auto spin = [this](const char *name) {
        auto *s = new QSpinBox(this);
        s->setObjectName(name);
        s->setRange(0, 9999);
        connect(s, &QSpinBox::valueChanged, this, [this] { storeLengths(); });
        return s;
    };
    UpEtiLig = upDown("UpEtiLig", kMinAcross, kMaxAcross);
    UpEtiCol = upDown("UpEtiCol", kMinDown, kMaxDown);
    EtiLig = new QLabel(this);
    EtiLig->setObjectName("EtiLig");
    EtiCol = new QLabel(this);
    EtiCol->setObjectName("EtiCol");
    EtiMargeLig = spin("EtiMargeLig");
    Largeur = spin("Largeur");
    EtiMargeCol = spin("EtiMargeCol");
    Hauteur = spin("Hauteur");
    Imprimer = new QPushButton(QStringLiteral("&Sortir"), this);
    Imprimer->setObjectName("Imprimer");
    Imprimer->setAutoDefault(false);
    PbApercu = new LabelSheetPicture(this);
    PbApercu->setObjectName("PbApercu");
    LbAvertissement = new QLabel(this);
    LbAvertissement->setObjectName("LbAvertissement");
    LbAvertissement->setWordWrap(true);
    LbAvertissement->setStyleSheet(QStringLiteral("color: red"));
    LbAvertissement->hide();

    auto caption = [this](const QString &t) {
        auto *l = new QLabel(t, this);
        return l;
    };
    auto *g = new QGridLayout(this);
    g->addWidget(EtiLig, 0, 0);
    g->addWidget(UpEtiLig, 0, 1);
    g->addWidget(caption(QStringLiteral("Centre de la première colonne")), 1, 0);
    g->addWidget(EtiMargeLig, 1, 1);
    g->addWidget(caption(QStringLiteral("Distance entre les centres (largeur)")), 2, 0);
    g->addWidget(Largeur, 2, 1);
    g->addWidget(EtiCol, 0, 2);
    g->addWidget(UpEtiCol, 0, 3);
    g->addWidget(caption(QStringLiteral("Centre de la première rangée")), 1, 2);
    g->addWidget(EtiMargeCol, 1, 3);
    g->addWidget(caption(QStringLiteral("Distance entre les centres (hauteur)")), 2, 2);
    g->addWidget(Hauteur, 2, 3);
    g->addWidget(PbApercu, 3, 0, 1, 4);
    g->addWidget(LbAvertissement, 4, 0, 1, 3);
    g->addWidget(Imprimer, 4, 3);
    g->setRowStretch(3, 1);
    resize(620, 520);

    connect(UpEtiLig, &UpDown::clicked, this, [this](int d) { UpEtiLigClick(d); });
    connect(UpEtiCol, &UpDown::clicked, this, [this](int d) { UpEtiColClick(d); });
    connect(Imprimer, &QPushButton::clicked, this, &QDialog::hide);
}

void TVrekPara::open() {
    load();
    show();
    raise();
    activateWindow();
}

LabelGeometry TVrekPara::geometry() const { return labelGeometry(ws_.settings()); }

void TVrekPara::apply(const LabelGeometry &g) {
    // The spin edits are loaded without storing half-loaded values.
    QSignalBlocker b1(EtiMargeLig), b2(Largeur), b3(EtiMargeCol), b4(Hauteur);
    UpEtiLig->setPosition(g.across);
    UpEtiCol->setPosition(g.down);
    EtiLig->setText(QStringLiteral("Nombre d'étiquettes horizontales = %1").arg(g.across));
    EtiCol->setText(QStringLiteral("verticales = %1").arg(g.down));
    EtiMargeLig->setValue(g.margeD);
    Largeur->setValue(g.largeur);
    EtiMargeCol->setValue(g.margeH);
    Hauteur->setValue(g.hauteur);
    showPicture(g);
}

void TVrekPara::showPicture(const LabelGeometry &g) {
    PbApercu->geometry = g;
    PbApercu->update();
    // Measured on the page the printouts use, without the series title first, then with it.
    std::string problem;
    printing::onMeasuringCanvas([&](Canvas &c) {
        problem = labelSheetProblem(c, ws_.series(), g, false);
        if (problem.empty() && !labelSheetProblem(c, ws_.series(), g, true).empty())
            problem = "Avec le titre de la série en tête de la première planche, la première rangée d'étiquettes "
                      "ne peut pas recevoir son texte : imprimez sans titre ou changez les paramètres.";
    });
    LbAvertissement->setText(QString::fromStdString(problem));
    LbAvertissement->setVisible(!problem.empty());
}

void TVrekPara::load() {
    shown_ = geometry();
    apply(shown_);
}

void TVrekPara::UpEtiLigClick(int delta) {
    LabelGeometry g = geometry();
    setAcross(g, std::clamp(g.across + delta, UpEtiLig->minimum(), UpEtiLig->maximum()));
    storeLabelGeometry(ws_.settings(), g);
    apply(g);
}

void TVrekPara::UpEtiColClick(int delta) {
    LabelGeometry g = geometry();
    setDown(g, std::clamp(g.down + delta, UpEtiCol->minimum(), UpEtiCol->maximum()));
    storeLabelGeometry(ws_.settings(), g);
    apply(g);
}

void TVrekPara::storeLengths() {
    LabelGeometry g = geometry();
    g.margeD = EtiMargeLig->value();
    g.largeur = Largeur->value();
    g.margeH = EtiMargeCol->value();
    g.hauteur = Hauteur->value();
    storeLabelGeometry(ws_.settings(), g);
    showPicture(g);
}

void TVrekPara::hideEvent(QHideEvent *e) {
    const LabelGeometry g = geometry();
    if (!(g == shown_) && !ws_.iniFileName().empty()) {
        shown_ = g;
        const std::string err = ws_.writeIni([g](IniFile &ini) { writeLabelGeometry(ini, g); });
        if (!err.empty()) pf_.error(this, QString::fromStdString(err));
    }
    QDialog::hideEvent(e);
}
