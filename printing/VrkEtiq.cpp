#include "printing/VrkEtiq.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "core/workspace.h"
#include "platform/platform.h"
#include "platform/uiutil.h"
#include "printing/printjob.h"
#include "printing/radiogroup.h"

using namespace vrek;

TVrekEtiq::TVrekEtiq(Workspace &ws, Platform &pf, QWidget *parent) : QDialog(parent), ws_(ws), pf_(pf) {
    setObjectName("VrekEtiq");
    setWindowTitle(QStringLiteral("Imprime les diagrammes sur des étiquettes"));

    auto spin = [this](const char *name, int hi) {
        auto *s = new QSpinBox(this);
        s->setObjectName(name);
        s->setRange(1, hi);
        return s;
    };
    auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    Diagr_deb = spin("Diagr_deb", kBoards);
    Diagr_fin = spin("Diagr_fin", kBoards);
    Etiq = spin("Etiq", 12);
    Numerotation = new RadioGroup("Numerotation", QStringLiteral("Numérotation à partir"), {"de 1", "de 97"}, this);
    Imprimante = new RadioGroup("Imprimante", QStringLiteral("Imprime en"), {"Noir / Blanc", "Couleur"}, this);
    Entete = new RadioGroup("Entete", QStringLiteral("Imprime Titre"), {"Oui", "Non"}, this);
    Imprimer = button("Imprimer", QStringLiteral("&Imprimer"));
    Apercu = button("Apercu", QStringLiteral("&Aperçu"));
    Annuler = button("Annuler", QStringLiteral("&Annuler"));

    auto *g = new QGridLayout(this);
    g->addWidget(new QLabel(QStringLiteral("Impression à partir du Diagramme"), this), 0, 0);
    g->addWidget(Diagr_deb, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Jusqu'au Diagramme"), this), 1, 0);
    g->addWidget(Diagr_fin, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("Impression à partir de l'étiquette"), this), 2, 0);
    g->addWidget(Etiq, 2, 1);
    auto *choices = new QHBoxLayout;
    choices->addWidget(Numerotation);
    choices->addWidget(Imprimante);
    choices->addWidget(Entete);
    g->addLayout(choices, 3, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Imprimer);
    buttons->addWidget(Apercu);
    buttons->addWidget(Annuler);
    g->addLayout(buttons, 4, 0, 1, 2);

    // The first deal is the least the last may be, and the other way round.
    connect(Diagr_deb, &QSpinBox::valueChanged, this, [this](int v) { Diagr_fin->setMinimum(v); });
    connect(Diagr_fin, &QSpinBox::valueChanged, this, [this](int v) { Diagr_deb->setMaximum(v); });
    connect(Imprimante, &RadioGroup::clicked, this, [this] { ImprimanteClick(); });
    connect(Imprimer, &QPushButton::clicked, this, [this] { ImprimerClick(); });
    connect(Apercu, &QPushButton::clicked, this, [this] { ApercuClick(); });
    connect(Annuler, &QPushButton::clicked, this, &QDialog::hide);
}

void TVrekEtiq::open() {
    activate();
    show();
    raise();
    activateWindow();
}

void TVrekEtiq::activate() {
    const LabelGeometry g = labelGeometry(ws_.settings());
    Etiq->setMaximum(std::max(1, g.perSheet()));
    Etiq->setValue(1);
    // Both bounds are opened first, so that neither value is clamped by the other's old one.
    Diagr_deb->setMaximum(kBoards);
    Diagr_fin->setMinimum(1);
    Diagr_deb->setValue(1);
    // An evening shorter than the series: its boards.
    const int evening = ws_.settings().nombreDonnes;
    Diagr_fin->setValue(evening < kBoards ? std::max(evening, 1) : std::clamp(ws_.currentDeal(), 1, kBoards));
    Imprimante->setItemIndex(ws_.settings().imprimante == 0 ? 0 : 1);
    Numerotation->setItemIndex(0);
    Entete->setItemIndex(0);
}

void TVrekEtiq::ImprimanteClick() { printing::storeColourChoice(ws_, pf_, this, Imprimante->itemIndex()); }

LabelRun TVrekEtiq::run() const {
    LabelRun r;
    r.from = Diagr_deb->value();
    r.to = Diagr_fin->value();
    r.startLabel = Etiq->value();
    r.title = Entete->itemIndex() == 0;
    r.style.numbering = std::max(0, Numerotation->itemIndex());
    r.style.colour = Imprimante->itemIndex() == 1;
    r.geometry = labelGeometry(ws_.settings());
    return r;
}

bool TVrekEtiq::draw(Canvas &c) const { return printLabels(c, ws_.series(), run()); }

bool TVrekEtiq::sheetFits() {
    const LabelRun r = run();
    std::string problem;
    printing::onMeasuringCanvas([&](Canvas &c) { problem = labelSheetProblem(c, ws_.series(), r.geometry, r.title); });
    if (problem.empty()) return true;
    pf_.error(this, QString::fromStdString(problem));
    return false;
}

void TVrekEtiq::ImprimerClick() {
    if (!sheetFits()) return;
    printing::printWithDialog(this, pf_, QString::fromStdString(labelTitle(1)), [this](Canvas &c) { return draw(c); },
                              ui::seriesFolder(ws_));
    printing::storeColourChoice(ws_, pf_, this, Imprimante->itemIndex());
    hide();
}

void TVrekEtiq::ApercuClick() {
    if (!sheetFits()) return;
    printing::showPreview(this, windowTitle(), [this](Canvas &c) { return draw(c); }, [this] { ImprimerClick(); });
}
