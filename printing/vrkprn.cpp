#include "printing/vrkprn.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QProgressBar>
#include <QPushButton>

#include "core/workspace.h"
#include "platform/platform.h"
#include "platform/uiutil.h"
#include "printing/printjob.h"
#include "printing/radiogroup.h"

using namespace vrek;

TVrekPrn::TVrekPrn(Workspace &ws, Platform &pf, QWidget *parent) : QDialog(parent), ws_(ws), pf_(pf) {
    setObjectName("VrekPrn");
    setWindowTitle(QStringLiteral("Imprime les feuilles des Mains"));

    auto box = [this](const char *name, const QString &caption) {
        auto *b = new QCheckBox(caption, this);
        b->setObjectName(name);
        return b;
    };
    auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    Nord = box("Nord", QStringLiteral("Feuille de &Nord"));
    Est = box("Est", QStringLiteral("Feuille d'&Est"));
    Sud = box("Sud", QStringLiteral("Feuille de &Sud"));
    Ouest = box("Ouest", QStringLiteral("Feuille d'&Ouest"));
    Tout = button("Tout", QStringLiteral("Sé&Lectionner"));
    Rien = button("Rien", QStringLiteral("&Désélectionner"));
    Page = new RadioGroup("Page", QStringLiteral("Imprime les mains de "), {"1 à 32", "33 à 64", "65 à 96"}, this);
    Numerotation = new RadioGroup("Numerotation", QStringLiteral("Numérotation "),
                                  {QStringLiteral("à partir de 1"), QStringLiteral("à partir de 97")}, this);
    Imprimante = new RadioGroup("Imprimante", QStringLiteral("Imprime en"), {"N/Blanc", "Couleur"}, this);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 8);
    ProgressBar1->setTextVisible(false);
    Imprim = button("Imprim", QStringLiteral("&Imprimer"));
    Apercu = button("Apercu", QStringLiteral("&Aperçu"));
    Annuler = button("Annuler", QStringLiteral("&Annuler"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(Nord, 0, 0);
    grid->addWidget(Est, 1, 0);
    grid->addWidget(Sud, 2, 0);
    grid->addWidget(Ouest, 3, 0);
    grid->addWidget(Tout, 4, 0);
    grid->addWidget(Rien, 5, 0);
    grid->addWidget(Page, 0, 1, 3, 1);
    grid->addWidget(Numerotation, 3, 1, 3, 1);
    grid->addWidget(Imprimante, 0, 2, 2, 1);
    grid->addWidget(Imprim, 2, 2);
    grid->addWidget(Apercu, 3, 2);
    grid->addWidget(Annuler, 4, 2);
    grid->addWidget(ProgressBar1, 6, 0, 1, 3);

    connect(Tout, &QPushButton::clicked, this, [this] { ToutClick(); });
    connect(Rien, &QPushButton::clicked, this, [this] { RienClick(); });
    connect(Page, &RadioGroup::clicked, this, [this] { PageClick(); });
    connect(Imprimante, &RadioGroup::clicked, this, [this] { ImprimanteClick(); });
    connect(Imprim, &QPushButton::clicked, this, [this] { ImprimClick(); });
    connect(Apercu, &QPushButton::clicked, this, [this] { ApercuClick(); });
    connect(Annuler, &QPushButton::clicked, this, &QDialog::hide);
}

void TVrekPrn::open() {
    activate();
    show();
    raise();
    activateWindow();
}

void TVrekPrn::activate() {
    ToutClick();
    ProgressBar1->setValue(0);  // empty until something is printed
    Imprimante->setItemIndex(ws_.settings().imprimante == 0 ? 0 : 1);
    Numerotation->setItemIndex(0);
    Page->setItemIndex(0);
    PageClick();
}

void TVrekPrn::ToutClick() {
    for (QCheckBox *b : {Nord, Est, Sud, Ouest}) b->setChecked(true);
}

void TVrekPrn::RienClick() {
    for (QCheckBox *b : {Nord, Est, Sud, Ouest}) b->setChecked(false);
}

void TVrekPrn::PageClick() {
    const int p = std::max(0, Page->itemIndex());
    Numerotation->setCaptions({QStringLiteral("à partir de %1").arg(32 * p + 1),
                               QStringLiteral("à partir de %1").arg(32 * p + 97)});
}

void TVrekPrn::ImprimanteClick() { printing::storeColourChoice(ws_, pf_, this, Imprimante->itemIndex()); }

std::array<bool, 4> TVrekPrn::seats() const {
    return {Nord->isChecked(), Est->isChecked(), Sud->isChecked(), Ouest->isChecked()};
}

HandSheetOptions TVrekPrn::options() const {
    HandSheetOptions o;
    o.block = std::max(0, Page->itemIndex());
    o.style.numbering = std::max(0, Numerotation->itemIndex());
    o.style.colour = Imprimante->itemIndex() == 1;
    return o;
}

bool TVrekPrn::draw(Canvas &c) const {
    HandSheetOptions o = options();
    o.progress = [this](int i) { ProgressBar1->setValue(i); };
    return printHandSheets(c, ws_.series(), seats(), o);
}

void TVrekPrn::ImprimClick() {
    const std::array<bool, 4> s = seats();
    int first = 0;
    while (first < 4 && !s[first]) ++first;
    const QString title = QString::fromStdString(handSheetTitle(first < 4 ? first + 1 : North));
    // Nothing to print when no seat is ticked: the print dialog is not shown.
    if (first < 4) printing::printWithDialog(this, pf_, title, [this](Canvas &c) { return draw(c); },
                                               ui::seriesFolder(ws_));
    printing::storeColourChoice(ws_, pf_, this, Imprimante->itemIndex());
    hide();
}

void TVrekPrn::ApercuClick() {
    printing::showPreview(this, windowTitle(), [this](Canvas &c) { return draw(c); }, [this] { ImprimClick(); });
}
