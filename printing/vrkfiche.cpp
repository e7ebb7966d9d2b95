#include "printing/vrkfiche.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/workspace.h"
#include "platform/platform.h"
#include "platform/uiutil.h"
#include "platform/widgets.h"
#include "printing/boxpanels.h"
#include "printing/printjob.h"
#include "printing/radiogroup.h"

using namespace vrek;

Tvrekfiche::Tvrekfiche(Workspace &ws, Platform &pf, QWidget *parent) : QDialog(parent), ws_(ws), pf_(pf) {
    setObjectName("vrekfiche");
    setWindowTitle(QStringLiteral("Imprime les fiches ambulantes sur feuilles vierges."));

    auto button = [this](QWidget *parent, const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, parent);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };

    auto *pairRow = new QHBoxLayout;
    const BoxPanelShape shape{{"Selectionner", "Select1", "Select2"},
                            {"Deselectionner", "Deselect1", "Deselecti2"},
                            16,
                            [](int n) { return QString::fromStdString(travellerBoxCaption(n)); },
                            [](int, bool on) { return on ? QStringLiteral("&Sélectionner") : QStringLiteral("&Désélectionner"); },
                            1};
    const BoxPanels b = makeBoxPanels(this, pairRow, shape, QStringLiteral("Fiche"), Fiche,
                                      [this](int first, bool on) { selectPairs(first, on); });
    Panel1 = b.panel[0], Panel2 = b.panel[1], Panel3 = b.panel[2];
    Selectionner = b.on[0], Select1 = b.on[1], Select2 = b.on[2];
    Deselectionner = b.off[0], Deselect1 = b.off[1], Deselecti2 = b.off[2];

    Numerotation = new RadioGroup("Numerotation", QStringLiteral("Numérotation à partir"), {"de 1", "de 97"}, this);
    Imprimante = new RadioGroup("Imprimante", QStringLiteral("Imprime en"), {"Noir et Blanc", "Couleur"}, this);

    // The section: a letter chosen with the up-down, a colour chosen on the panel.
    EdSection = new QLineEdit(this);
    EdSection->setObjectName("EdSection");
    EdSection->setReadOnly(true);
    EdSection->setMaximumWidth(40);
    EdSection->setAlignment(Qt::AlignCenter);
    UpSection = new UpDown(this);
    UpSection->setObjectName("UpSection");
    UpSection->setRange(0, 20);
    UpSection->setPosition(0);
    UpSection->setFixedSize(18, 26);
    PnSection = new ClickLabel(QStringLiteral("Section"), this);
    PnSection->setObjectName("PnSection");
    PnSection->setAlignment(Qt::AlignCenter);
    PnSection->setFrameShape(QFrame::Panel);
    PnSection->setFrameShadow(QFrame::Raised);
    PnSection->setMinimumSize(90, 40);
    PnSection->setCursor(Qt::PointingHandCursor);
    PnSection->setToolTip(QStringLiteral("Cliquer pour choisir la couleur de la section"));
    auto *section = new QHBoxLayout;
    section->addWidget(EdSection);
    section->addWidget(UpSection);
    section->addWidget(PnSection, 1);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 119);
    ProgressBar1->setTextVisible(false);
    Imprimer = button(this, "Imprimer", QStringLiteral("&Imprimer"));
    Apercu = button(this, "Apercu", QStringLiteral("&Aperçu"));
    Annuler = button(this, "Annuler", QStringLiteral("&Annuler"));

    auto *side = new QVBoxLayout;
    side->addWidget(Numerotation);
    side->addWidget(Imprimante);
    side->addLayout(section);
    side->addStretch();
    side->addWidget(Imprimer);
    side->addWidget(Apercu);
    side->addWidget(Annuler);
    auto *top = new QHBoxLayout;
    top->addLayout(pairRow, 1);
    top->addLayout(side);
    auto *all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(ProgressBar1);

    // The section chosen in an earlier run, as the settings keep it.
    const int kept = std::max(0, sectionPosition(ws_.settings().ficheSection));
    UpSection->setPosition(kept);
    showSection(sectionAt(kept).letter);
    connect(UpSection, &UpDown::clicked, this, [this](int delta) { UpSectionClick(delta); });
    connect(PnSection, &ClickLabel::pressed, this, [this](int, Qt::MouseButton b) {
        if (b == Qt::LeftButton) PnSectionClick();
    });
    connect(Imprimante, &RadioGroup::clicked, this, [this] { ImprimanteClick(); });
    connect(Imprimer, &QPushButton::clicked, this, [this] { ImprimerClick(); });
    connect(Apercu, &QPushButton::clicked, this, [this] { ApercuClick(); });
    connect(Annuler, &QPushButton::clicked, this, &QDialog::hide);
}

void Tvrekfiche::openFor(bool preprinted) {
    preprinted_ = preprinted;
    setWindowTitle(QStringLiteral("Imprime les fiches ambulantes ") +
                   (preprinted ? QStringLiteral("sur feuilles pré-imprimées.") : QStringLiteral("sur feuilles vierges.")));
    activate();
    show();
    raise();
    activateWindow();
}

void Tvrekfiche::activate() {
    // An evening shorter than the series: its pairs and no others.
    const int evening = ws_.settings().nombreDonnes;
    if (evening < kBoards) {
        for (int n = 1; n <= kTravellerPairs; ++n) Fiche[n - 1]->setChecked(2 * n - 1 <= evening);
    } else {
        selectPairs(1, true);
    }
    ProgressBar1->setValue(0);  // empty until something is printed
    Imprimante->setItemIndex(ws_.settings().imprimante == 0 ? 0 : 1);
    Numerotation->setItemIndex(0);
}

void Tvrekfiche::selectPairs(int first, bool on) {
    for (int n = first; n < first + 16; ++n) Fiche[n - 1]->setChecked(on);
}

void Tvrekfiche::setSectionColour(const QColor &c) {
    sectionColour_ = c;
    ui::setColours(PnSection, c, Qt::black);
}

void Tvrekfiche::showSection(const std::string &letter) {
    EdSection->setText(QString::fromStdString(letter));
    const std::optional<Rgb> c = sectionColourOf(letter, ws_.settings());
    setSectionColour(c ? QColor(c->r, c->g, c->b) : palette().color(QPalette::Window));
}

void Tvrekfiche::UpSectionClick(int delta) {
    UpSection->setPosition(UpSection->position() + delta);
    showSection(sectionAt(UpSection->position()).letter);
}

void Tvrekfiche::PnSectionClick() {
    const QColor c = pf_.chooseColor(this, sectionColour_);
    if (!c.isValid()) return;
    setSectionColour(c);
    const std::string letter = EdSection->text().toStdString();
    if (letter.empty()) return;  // no section, no band: nothing to keep
    // Kept at once, for the next run and for the batch command.
    Settings &s = ws_.settings();
    s.ficheSection = letter;
    s.ficheCouleur = c.red() | c.green() << 8 | c.blue() << 16;
    if (!ws_.iniFileName().empty()) {
        const std::string e = ws_.writeIni([&s](IniFile &ini) { writeFicheSection(ini, s); });
        if (!e.empty()) pf_.error(this, QString::fromStdString(e));
    }
    ws_.notify(ChangeSettings);
}

void Tvrekfiche::ImprimanteClick() { printing::storeColourChoice(ws_, pf_, this, Imprimante->itemIndex()); }

std::vector<int> Tvrekfiche::pairs() const {
    std::vector<int> v;
    for (int n = 1; n <= kTravellerPairs; ++n)
        if (Fiche[n - 1]->isChecked()) v.push_back(n);
    return v;
}

TravellerOptions Tvrekfiche::options() const {
    TravellerOptions o;
    o.style.numbering = std::max(0, Numerotation->itemIndex());
    o.style.colour = Imprimante->itemIndex() == 1;
    o.preprinted = preprinted_;
    o.section = EdSection->text().toStdString();
    o.sectionColour = Rgb{static_cast<uint8_t>(sectionColour_.red()), static_cast<uint8_t>(sectionColour_.green()),
                          static_cast<uint8_t>(sectionColour_.blue())};
    o.progress = [this](int i) { ProgressBar1->setValue(i); };
    return o;
}

bool Tvrekfiche::draw(Canvas &c) const { return printTravellers(c, ws_.series(), pairs(), options()); }

void Tvrekfiche::ImprimerClick() {
    const std::vector<int> p = pairs();
    if (!p.empty())
        printing::printWithDialog(this, pf_, QString::fromStdString(travellerTitle(p.front())),
                                  [this](Canvas &c) { return draw(c); }, ui::seriesFolder(ws_));
    printing::storeColourChoice(ws_, pf_, this, Imprimante->itemIndex());
    hide();
}

void Tvrekfiche::ApercuClick() {
    printing::showPreview(this, windowTitle(), [this](Canvas &c) { return draw(c); }, [this] { ImprimerClick(); });
}
