#include "printing/vrkcom.h"

#include <algorithm>

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/workspace.h"
#include "platform/platform.h"
#include "printing/diagramanalysis.h"
#include "printing/boxpanels.h"
#include "platform/uiutil.h"
#include "printing/printjob.h"
#include "printing/radiogroup.h"

using namespace vrek;

QString sheetCaption(int n) {
    const QString range = QStringLiteral("(%1-%2)").arg(4 * n - 3).arg(4 * n);
    if (n <= 8) return QStringLiteral("Feuille &%1 %2").arg(n).arg(range);
    if (n == 9) return QStringLiteral("Feuille  9  ") + range;
    return QStringLiteral("Feuille %1 %2").arg(n).arg(range);
}

TVrekcom::TVrekcom(Workspace &ws, Platform &pf, QWidget *parent) : QDialog(parent), ws_(ws), pf_(pf) {
    setObjectName("Vrekcom");
    setWindowTitle(QStringLiteral("Imprime les commentaires et diagrammes"));

    auto button = [this](QWidget *parent, const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, parent);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };

    // Three panels of eight sheets, each with its own pair of buttons; only
    // the first pair has accelerators.
    auto *sheetRow = new QHBoxLayout;
    const BoxPanelShape shape{{"Selectionner", "Select1", "Select2"},
                            {"Deselectionner", "Deselect1", "DeSelect2"},
                            8,
                            sheetCaption,
                            [](int p, bool on) {
                                const QString c = on ? QStringLiteral("Sélectionner") : QStringLiteral("Désélectionner");
                                return p == 0 ? QStringLiteral("&") + c : c;
                            }};
    const BoxPanels b = makeBoxPanels(this, sheetRow, shape, QStringLiteral("Feuille"), Feuille,
                                      [this](int first, bool on) { selectSheets(first, on); });
    Panel1 = b.panel[0], Panel2 = b.panel[1], Panel3 = b.panel[2];
    Selectionner = b.on[0], Select1 = b.on[1], Select2 = b.on[2];
    Deselectionner = b.off[0], Deselect1 = b.off[1], DeSelect2 = b.off[2];

    // The chosen deals and the first page's number.
    auto *chosen = new QGridLayout;
    LbDonnes = new QLabel(QStringLiteral("Des donnes   : "), this);
    LbDonnes->setObjectName("LbDonnes");
    chosen->addWidget(LbDonnes, 0, 0);
    for (int i = 0; i < 8; ++i) {
        Don[i] = new QSpinBox(this);
        Don[i]->setObjectName(QStringLiteral("Don_%1").arg(i + 1));
        Don[i]->setRange(0, kBoards);
        Don[i]->setValue(0);
        chosen->addWidget(Don[i], i / 4, 1 + i % 4);
    }
    LbNumPage = new QLabel(QStringLiteral("Numéro de la première page  : "), this);
    LbNumPage->setObjectName("LbNumPage");
    Sp_NumPage = new QSpinBox(this);
    Sp_NumPage->setObjectName("Sp_NumPage");
    Sp_NumPage->setRange(0, 24);
    Sp_NumPage->setValue(1);
    LbPasNumero = new QLabel(QStringLiteral("(0 = pas de numérotation)"), this);
    LbPasNumero->setObjectName("LbPasNumero");
    chosen->addWidget(LbNumPage, 2, 0);
    chosen->addWidget(Sp_NumPage, 2, 1);
    chosen->addWidget(LbPasNumero, 2, 2, 1, 3);

    Numerotation = new RadioGroup("Numerotation", QStringLiteral("Numérotation à partir"), {"de 1", "de 97"}, this);
    Imprimante = new RadioGroup("Imprimante", QStringLiteral("Imprime en"), {"N/Blanc", "Couleur"}, this);
    AvecAnalyse = new QCheckBox(QStringLiteral("Avec l'analyse au double mort"), this);
    AvecAnalyse->setObjectName("AvecAnalyse");
    AvecEmpreinte = new QCheckBox(QStringLiteral("Avec l'empreinte de la clé"), this);
    AvecEmpreinte->setObjectName("AvecEmpreinte");
    AvecEmpreinte->setToolTip(QStringLiteral("Imprime au pied de chaque page l'empreinte de la clé de distribution"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 61);
    ProgressBar1->setTextVisible(false);
    Imprimer = button(this, "Imprimer", QStringLiteral("&Imprimer"));
    Apercu = button(this, "Apercu", QStringLiteral("&Aperçu"));
    Annuler = button(this, "Annuler", QStringLiteral("&Annuler"));

    auto *side = new QVBoxLayout;
    side->addWidget(Numerotation);
    side->addWidget(Imprimante);
    side->addWidget(AvecAnalyse);
    side->addWidget(AvecEmpreinte);
    side->addStretch();
    side->addWidget(Imprimer);
    side->addWidget(Apercu);
    side->addWidget(Annuler);
    auto *main = new QVBoxLayout;
    main->addLayout(sheetRow);
    main->addLayout(chosen);
    main->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(main, 1);
    top->addLayout(side);
    auto *all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(ProgressBar1);
    all->setSizeConstraint(QLayout::SetFixedSize);

    connect(Imprimante, &RadioGroup::clicked, this, [this] { ImprimanteClick(); });
    connect(Imprimer, &QPushButton::clicked, this, [this] { ImprimerClick(); });
    // Ticked without a key in use: the user chooses one, or the tick goes.
    connect(AvecEmpreinte, &QCheckBox::toggled, this, [this](bool on) {
        if (on && (!keyFingerprint || keyFingerprint(true).empty())) AvecEmpreinte->setChecked(false);
    });
    connect(Apercu, &QPushButton::clicked, this, [this] { ApercuClick(); });
    connect(Annuler, &QPushButton::clicked, this, &QDialog::hide);
}

void TVrekcom::openMode(int mode) {
    mode_ = std::clamp(mode, 0, 2);
    activate();
    show();
    raise();
    activateWindow();
}

void TVrekcom::activate() {
    for (QFrame *p : {Panel1, Panel2, Panel3}) p->setVisible(mode_ == 0);
    for (int i = 0; i < 8; ++i) Don[i]->setVisible(mode_ == 2 || (mode_ == 1 && i < 4));
    for (QWidget *w : std::initializer_list<QWidget *>{LbDonnes, LbNumPage, Sp_NumPage, LbPasNumero})
        w->setVisible(mode_ != 0);
    if (mode_ == 0) {
        // An evening shorter than the series: its sheets; else the current board's.
        const int evening = ws_.settings().nombreDonnes, current = ws_.currentDeal();
        for (int n = 1; n <= 24; ++n)
            Feuille[n - 1]->setChecked(evening < kBoards ? 4 * n - 3 <= evening
                                                         : current >= 4 * n - 3 && current <= 4 * n);
    }
    ProgressBar1->setValue(0);  // empty until something is printed
    Imprimante->setItemIndex(ws_.settings().imprimante == 0 ? 0 : 1);
    Numerotation->setItemIndex(0);
}

void TVrekcom::selectSheets(int first, bool on) {
    for (int n = first; n < first + 8; ++n) Feuille[n - 1]->setChecked(on);
}

void TVrekcom::ImprimanteClick() { printing::storeColourChoice(ws_, pf_, this, Imprimante->itemIndex()); }

std::vector<int> TVrekcom::sheets() const {
    std::vector<int> v;
    for (int n = 1; n <= 24; ++n)
        if (Feuille[n - 1]->isChecked()) v.push_back(n);
    return v;
}

std::vector<int> TVrekcom::chosenDeals() const {
    std::vector<int> v;
    for (int i = 0; i < (mode_ == 2 ? 8 : 4); ++i) v.push_back(Don[i]->value());
    return v;
}

std::vector<int> TVrekcom::printedDeals() const {
    std::vector<int> deals = mode_ == 0 ? dealsOfSheets(sheets()) : chosenDeals();
    std::erase(deals, 0);
    std::sort(deals.begin(), deals.end());
    deals.erase(std::unique(deals.begin(), deals.end()), deals.end());
    return deals;
}

DiagramOptions TVrekcom::options() const {
    DiagramOptions o;
    o.style.numbering = std::max(0, Numerotation->itemIndex());
    o.style.colour = Imprimante->itemIndex() == 1;
    o.progress = [this](int i) { ProgressBar1->setValue(i); };
    if (AvecEmpreinte->isChecked() && keyFingerprint) o.fingerprint = keyFingerprint(false);
    if (AvecAnalyse->isChecked())
        printAnalyses(o, [this](int d) { return analyses_.find(ws_.series().deal(d), d); });
    return o;
}

bool TVrekcom::fetchAnalyses() {
    const std::vector<int> deals = printedDeals();
    if (!AvecAnalyse->isChecked() || deals.empty()) return true;
    std::map<int, DealAnalysis> got;
    if (!analyse || !analyse(deals, got)) return false;
    for (const auto &[d, a] : got) analyses_.put(analysisKey(ws_.series().deal(d), d), a);
    return true;
}

bool TVrekcom::draw(Canvas &c) const {
    if (mode_ == 0) return printDiagramSheets(c, ws_.series(), sheets(), options());
    return printChosenDiagrams(c, ws_.series(), chosenDeals(), Sp_NumPage->value(), options());
}

void TVrekcom::ImprimerClick() {
    // Stopping the analysis stops the printing; the dialog stays for another try.
    if (!fetchAnalyses()) return;
    // Mode 0 with no sheet ticked has nothing to print: no print dialog.
    if (mode_ != 0 || !sheets().empty())
        printing::printWithDialog(this, pf_, QString::fromLatin1(kDiagramTitle), [this](Canvas &c) { return draw(c); },
                                  ui::seriesFolder(ws_));
    printing::storeColourChoice(ws_, pf_, this, Imprimante->itemIndex());
    hide();
}

void TVrekcom::ApercuClick() {
    if (!fetchAnalyses()) return;
    printing::showPreview(this, windowTitle(), [this](Canvas &c) { return draw(c); }, [this] { ImprimerClick(); });
}
