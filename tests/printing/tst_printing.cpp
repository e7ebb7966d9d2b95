// The print dialogs driven as a user would: menu items, activation, the
// colour choice kept in vrek.ini, printing into a PDF through the scripted
// print dialog, cancel and failure, and the preview.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QtTest>

#include "app/vrekhp.h"
#include "app/windows.h"
#include "core/seriesfile.h"
#include "dealing/dealkey.h"
#include "platform/recordingcanvas.h"
#include "printfixture.h"
#include "printing/VrkEtiq.h"
#include "printing/printjob.h"
#include "printing/radiogroup.h"
#include "printing/vrkPara.h"
#include "printing/vrkcom.h"
#include "printing/vrkfiche.h"
#include "printing/vrkprn.h"
#include "platform/widgets.h"
#include "windowbed.h"

using namespace vrek;

class PrintDialogsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowBed> bed;
    testutil::TempDir *dir = nullptr;
    ScriptedPlatform *plat = nullptr;
    TForm1 *w = nullptr;

    QString path(const std::string &name) const { return QString::fromStdString(dir->file(name)); }
    std::string ini() const { return testutil::readFile(dir->file("vrek.ini")); }
    template <typename T>
    T *dialog() {
        return w->findChild<T *>();
    }
    void click(QAbstractButton *b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }
    // Pages of a PDF file, counted from its page objects.
    static int pdfPages(const QString &file) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) return -1;
        return static_cast<int>(QString::fromLatin1(f.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
    }
    void printTo(const std::string &name) {
        plat->printAccepted = true;
        plat->printTo = path(name);
    }

private slots:
    void init() {
        bed = std::make_unique<WindowBed>();
        dir = &bed->dir;
        plat = &bed->plat;
        testutil::writeFile(dir->file("vrek.ini"), "[Fonctionnement]\r\nImprimante=0\r\n");
        w = &bed->start(fixture::printSeries(), "Club.vrk");
        w->gotoDeal(10);
    }
    void cleanup() { bed.reset(); }

    void handSheets() {
        auto *d = dialog<TVrekPrn>();
        click(d->Rien);
        w->action("Vrek1")->trigger();
        QVERIFY(d->isVisible());
        QCOMPARE(d->windowTitle(), QString("Imprime les feuilles des Mains"));
        QVERIFY(d->Nord->isChecked() && d->Est->isChecked() && d->Sud->isChecked() && d->Ouest->isChecked());
        QCOMPARE(d->Ouest->text(), QString("Feuille d'&Ouest"));
        QCOMPARE(d->ProgressBar1->value(), 0);  // empty until something is printed
        QCOMPARE(d->Imprimante->itemIndex(), 0);  // from vrek.ini
        QCOMPARE(d->Page->itemIndex(), 0);
        QCOMPARE(d->Numerotation->item(1)->text(), QString("à partir de 97"));
        click(d->Page->item(1));
        QCOMPARE(d->Numerotation->item(0)->text(), QString("à partir de 33"));
        QCOMPARE(d->Numerotation->item(1)->text(), QString("à partir de 129"));

        // Two seats into a PDF: one page each; the colour choice is kept.
        click(d->Rien);
        click(d->Nord);
        click(d->Sud);
        click(d->Imprimante->item(1));
        QCOMPARE(w->model().settings().imprimante, 1);
        QVERIFY(ini().find("Imprimante=1") != std::string::npos);
        printTo("mains.pdf");
        click(d->Imprim);
        QVERIFY(!d->isVisible());
        QCOMPARE(pdfPages(path("mains.pdf")), 2);
        QVERIFY(plat->messages.isEmpty());
        // The print dialog offered a PDF named after the job, beside the series.
        QCOMPARE(plat->offeredPdf, path("VREK Main de N.pdf"));
        QCOMPARE(d->ProgressBar1->value(), 8);
        w->action("Vrek1")->trigger();
        QCOMPARE(d->ProgressBar1->value(), 0);
    }

    void cancelledOrFailedPrintWritesNothing() {
        auto *d = dialog<TVrekPrn>();
        w->action("Vrek1")->trigger();
        plat->printAccepted = false;
        plat->printTo = path("annule.pdf");
        click(d->Imprimante->item(1));
        click(d->Imprim);
        QVERIFY(!d->isVisible());
        QVERIFY(!QFile::exists(path("annule.pdf")));
        QCOMPARE(w->model().settings().imprimante, 1);

        w->action("Vrek1")->trigger();
        plat->printAccepted = true;
        plat->printTo = path("absent/mains.pdf");
        click(d->Imprim);
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Error);
        QVERIFY(plat->lastMessage().contains("absent"));
        QVERIFY(!QFile::exists(path("absent")));
    }

    void diagramPages() {
        auto *d = dialog<TVrekcom>();
        w->action("Diagrammes1")->trigger();
        QCOMPARE(d->windowTitle(), QString("Imprime les commentaires et diagrammes"));
        QCOMPARE(d->mode(), 0);
        for (int n = 1; n <= 24; ++n) QCOMPARE(d->Feuille[n - 1]->isChecked(), n == 3);  // board 10
        QCOMPARE(d->Feuille[0]->text(), QString("Feuille &1 (1-4)"));
        QCOMPARE(d->Feuille[8]->text(), QString("Feuille  9  (33-36)"));
        QCOMPARE(d->Feuille[23]->text(), QString("Feuille 24 (93-96)"));
        QVERIFY(d->Feuille[0]->isVisible() && !d->Don[0]->isVisible() && !d->Sp_NumPage->isVisible());
        QCOMPARE(d->ProgressBar1->value(), 0);
        click(d->Select1);
        QVERIFY(d->Feuille[8]->isChecked() && d->Feuille[15]->isChecked() && !d->Feuille[16]->isChecked());
        click(d->Deselect1);
        click(d->Feuille[23]);
        printTo("feuilles.pdf");
        click(d->Imprimer);
        QCOMPARE(pdfPages(path("feuilles.pdf")), 2);
        QCOMPARE(plat->offeredPdf, path("VREK commentaires.pdf"));

        w->action("HuitDiagrammeschoisis1")->trigger();
        QCOMPARE(d->mode(), 2);
        QVERIFY(!d->Feuille[0]->isVisible() && d->Don[7]->isVisible());
        QCOMPARE(d->Sp_NumPage->value(), 1);
        w->action("Diagrammeschoisis1")->trigger();
        QVERIFY(d->Don[3]->isVisible() && !d->Don[4]->isVisible());
        d->Don[0]->setValue(12);
        d->Don[1]->setValue(96);
        printTo("quatre.pdf");
        click(d->Imprimer);
        QCOMPARE(pdfPages(path("quatre.pdf")), 1);
        QVERIFY(plat->messages.isEmpty());
    }

    void travellers() {
        auto *d = dialog<Tvrekfiche>();
        w->action("Surfeuillesprimprimes1")->trigger();
        QCOMPARE(d->windowTitle(), QString("Imprime les fiches ambulantes sur feuilles pré-imprimées."));
        QVERIFY(d->preprinted());
        QCOMPARE(d->Fiche[4]->text(), QString("Fiches  9-10"));
        click(d->Deselect1);
        click(d->Fiche[40]);
        click(d->Deselectionner);
        w->action("Surfeuillesvierges1")->trigger();
        QCOMPARE(d->windowTitle(), QString("Imprime les fiches ambulantes sur feuilles vierges."));
        // Pairs 1 to 16 are checked again; the others keep their state.
        QVERIFY(d->Fiche[0]->isChecked() && d->Fiche[15]->isChecked());
        QVERIFY(!d->Fiche[16]->isChecked() && d->Fiche[40]->isChecked());
        QCOMPARE(d->ProgressBar1->value(), 0);

        // The section: letters and colours of the up-down, a colour chosen on the panel.
        QCOMPARE(d->EdSection->text(), QString());
        d->UpSection->click(+1);
        QCOMPARE(d->EdSection->text(), QString("A"));
        QCOMPARE(d->PnSection->palette().color(QPalette::Window), QColor(255, 0, 0));
        for (int i = 0; i < 4; ++i) d->UpSection->click(+1);
        QCOMPARE(d->EdSection->text(), QString("E"));
        QCOMPARE(d->PnSection->palette().color(QPalette::Window), d->palette().color(QPalette::Window));
        plat->chosenColor = QColor(10, 20, 30);
        QTest::mouseClick(d->PnSection, Qt::LeftButton);
        QCOMPARE(d->options().sectionColour, (Rgb{10, 20, 30}));
        QCOMPARE(d->options().section, std::string("E"));
        // Kept in the settings at once, for the next run and the batch command.
        QVERIFY(ini().find("[Fiches]\r\nSection=E\r\nCouleur=1971210\r\n") != std::string::npos);
        {
            TForm1 next({});
            createWindows(next);
            auto *again = next.findChild<Tvrekfiche *>();
            QCOMPARE(again->EdSection->text(), QString("E"));
            QCOMPARE(again->options().sectionColour, (Rgb{10, 20, 30}));
        }
        for (int i = 0; i < 30; ++i) d->UpSection->click(-1);
        QCOMPARE(d->EdSection->text(), QString());

        click(d->Deselectionner);
        click(d->Fiche[0]);
        printTo("fiches.pdf");
        click(d->Imprimer);
        QCOMPARE(pdfPages(path("fiches.pdf")), 2);  // pairs 1 and 41
    }

    // Values of vrek.ini that would overflow are brought into range: the
    // dialog shows what the settings hold.
    void hostileLabelSettingsAreBroughtIntoRange() {
        bed.reset();
        bed = std::make_unique<WindowBed>();
        dir = &bed->dir;
        testutil::writeFile(dir->file("vrek.ini"), "[Etiquettes]\r\nMarge_D=2000000000\r\nLargeur=$80000000\r\nLigne=99\r\n");
        w = &bed->start(fixture::printSeries(), "Club.vrk");
        auto *para = dialog<TVrekPara>();
        w->action("Paramtres1")->trigger();
        const Settings &s = w->model().settings();
        QCOMPARE(QList({para->EtiMargeLig->value(), para->Largeur->value(), s.margeD, s.largeur}), QList({9999, 9999, 9999, 9999}));
        QCOMPARE(para->EtiLig->text(), QString("Nombre d'étiquettes horizontales = 6"));
        QCOMPARE(s.ligne, 6);
    }

    void labelParametersAndLabels() {
        auto *para = dialog<TVrekPara>();
        w->action("Paramtres1")->trigger();
        QCOMPARE(para->EtiLig->text(), QString("Nombre d'étiquettes horizontales = 3"));
        QCOMPARE(para->EtiCol->text(), QString("verticales = 4"));
        QCOMPARE(para->EtiMargeLig->value(), 390);
        para->UpEtiLig->click(+1);
        QCOMPARE(para->EtiLig->text(), QString("Nombre d'étiquettes horizontales = 4"));
        QCOMPARE(para->EtiMargeLig->value(), 300);
        QCOMPARE(para->Largeur->value(), 500);
        para->UpEtiCol->click(+1);
        QCOMPARE(para->EtiMargeCol->value(), 330);
        QCOMPARE(para->Hauteur->value(), 560);
        para->Hauteur->setValue(550);
        QCOMPARE(w->model().settings().hauteur, 550);
        QCOMPARE(w->model().settings().ligne, 4);
        para->grab();  // the sheet's picture paints
        click(para->Imprimer);
        QVERIFY(!para->isVisible());
        QVERIFY(ini().find("Ligne=4") != std::string::npos);
        QVERIFY(ini().find("Hauteur=550") != std::string::npos);

        auto *d = dialog<TVrekEtiq>();
        w->action("Imprime1")->trigger();
        QCOMPARE(d->Etiq->maximum(), 20);
        QCOMPARE(d->Etiq->value(), 1);
        QCOMPARE(d->Diagr_deb->value(), 1);
        QCOMPARE(d->Diagr_fin->value(), 10);
        QCOMPARE(d->Entete->itemIndex(), 0);
        d->Diagr_deb->setValue(4);
        QCOMPARE(d->Diagr_fin->minimum(), 4);
        d->Diagr_fin->setValue(25);
        QCOMPARE(d->Diagr_deb->maximum(), 25);
        d->Etiq->setValue(18);
        printTo("etiquettes.pdf");
        click(d->Imprimer);
        QVERIFY(!d->isVisible());
        QCOMPARE(pdfPages(path("etiquettes.pdf")), 2);  // 3 labels, then 19 more
    }

    // Labels too small for their texts: the parameter dialog says so; the
    // labels dialog refuses to print or preview them and stays open.
    void labelsTooSmallAreRefusedBeforePrinting() {
        auto *para = dialog<TVrekPara>();
        w->action("Paramtres1")->trigger();
        QVERIFY(para->LbAvertissement->isHidden());
        para->Largeur->setValue(120);
        QVERIFY(para->LbAvertissement->text().contains("ne peut pas recevoir son texte"));
        click(para->Imprimer);
        auto *d = dialog<TVrekEtiq>();
        w->action("Imprime1")->trigger();
        printTo("etiquettes.pdf");
        click(d->Imprimer);
        click(d->Apercu);
        QCOMPARE(plat->messages.size(), 2);
        QCOMPARE(plat->lastMessage(), para->LbAvertissement->text());
        QVERIFY(!QFile::exists(path("etiquettes.pdf")) && d->isVisible() && !d->findChild<printing::PrintPreview *>());
        para->Largeur->setValue(700);
        QVERIFY(para->LbAvertissement->isHidden());
        click(d->Imprimer);
        QCOMPARE(pdfPages(path("etiquettes.pdf")), 1);
    }

    void previewShowsThePagesAndPrints() {
        auto *d = dialog<TVrekcom>();
        w->action("Diagrammes1")->trigger();
        click(d->Feuille[5]);
        click(d->Apercu);
        auto *preview = d->findChild<printing::PrintPreview *>();
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(preview->pageCount(), 2);
        printTo("apercu.pdf");
        click(preview->findChild<QPushButton *>("Imprimer"));
        QCOMPARE(pdfPages(path("apercu.pdf")), 2);
        QVERIFY(!d->isVisible());
    }

    // "Avec l'empreinte de la clé": without a key in use the tick asks for
    // one, and stays off when none is chosen; with one, each page ends with
    // the key's fingerprint.
    void fingerprintAtTheFootOfDiagramPages() {
        w->action("Diagrammes1")->trigger();
        auto *com = dialog<TVrekcom>();
        com->AvecEmpreinte->setChecked(true);  // the file dialog is cancelled
        QVERIFY(!com->AvecEmpreinte->isChecked());
        QCOMPARE(plat->dialogs.size(), 1);
        const DealingKey k = newDealingKey();
        QCOMPARE(writeKeyFile(dir->file("cle.txt"), k), std::string());
        plat->fileNames.enqueue(path("cle.txt"));
        com->AvecEmpreinte->setChecked(true);
        QVERIFY(com->AvecEmpreinte->isChecked());
        com->selectSheets(1, true);
        RecordingCanvas c;
        QVERIFY(com->draw(c));
        QCOMPARE(c.pages(), 8);
        QCOMPARE(int(c.textsEqual("Empreinte de la clé de distribution : " + fingerprintOf(k)).size()), 8);
        com->AvecEmpreinte->setChecked(false);
        RecordingCanvas plain;
        QVERIFY(com->draw(plain));
        QVERIFY(plain.textsEqual("Empreinte de la clé de distribution : " + fingerprintOf(k)).empty());
    }
};

QTEST_MAIN(PrintDialogsTest)
#include "tst_printing.moc"
