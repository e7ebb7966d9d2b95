#include "app/windows.h"

#include <QAction>
#include <QPushButton>

#include "app/VrekDiagramme.h"
#include "app/ddtable.h"
#include "app/vrekhp.h"
#include "app/vrekpermut.h"
#include "app/vreksoiree.h"
#include "clipboard/clipboardcopy.h"
#include "dealing/VrekCle.h"
#include "dealing/vrekcon.h"
#include "dealing/vrekinf.h"
#include "formats/vrkImport.h"
#include "info/aprop.h"
#include "info/infolinks.h"
#include "platform/platform.h"
#include "formats/pbnanalysis.h"
#include "formats/vrkexport.h"
#include "stats/VrekMod.h"
#include "stats/VrekProb.h"
#include "stats/VrekStat.h"
#include "teach/VrekEnch.h"
#include "teach/VrekMaitre.h"
#include "teach/VrekProjecteur.h"
#include "printing/VrkEtiq.h"
#include "printing/vrkPara.h"
#include "printing/vrkcom.h"
#include "printing/vrkfiche.h"
#include "printing/vrkprn.h"
#include "verify/vranalysis.h"
#include "verify/vrkanalyse.h"
#include "verify/vrkverif.h"
#include "verify/vrplayanalysis.h"

namespace {

template <typename F>
void onItem(TForm1 &form, const QString &name, QObject *receiver, F f) {
    if (QAction *a = form.action(name)) QObject::connect(a, &QAction::triggered, receiver, f);
}

// The clipboard items of the Edition menu work on the main window's deal and fields.
void connectClipboard(TForm1 &form, ClipboardCopy *clip) {
    const std::pair<const char *, int> pictures[] = {
        {"CopierlamainNord", 1}, {"CopierMainEst", 2}, {"CopierlamainSud", 3}, {"CopierMaindOuest", 4}};
    for (const auto &[name, seat] : pictures) onItem(form, name, clip, [clip, s = seat] { clip->copyHandPicture(s); });
    onItem(form, "Copierlatable1", clip, [clip] { clip->copyTablePicture(); });
    onItem(form, "Lentame1", clip, [clip] { clip->copyLeadPicture(); });
    const std::pair<const char *, QLineEdit *> lines[] = {{"hme1", form.Theme}, {"Contrt1", form.Contrat}};
    for (const auto &[name, field] : lines) onItem(form, name, clip, [clip, f = field] { clip->copyText(f->text()); });
    const std::pair<const char *, QPlainTextEdit *> blocks[] = {
        {"CommentairesAttaquant1", form.Attaquant}, {"Commentairespourladfense1", form.Defense}, {"Enchres1", form.Encheres}};
    for (const auto &[name, field] : blocks)
        onItem(form, name, clip, [clip, f = field] { clip->copyText(f->toPlainText()); });
    const std::pair<const char *, int> hands[] = {
        {"LamaindeNord1", 1}, {"LamaindEst1", 2}, {"LamaindeSud1", 3}, {"LamaindOuest1", 4}};
    for (const auto &[name, seat] : hands) onItem(form, name, clip, [clip, s = seat] { clip->copyHandText(s); });
    onItem(form, "LeDiagramme1", clip, [clip] { clip->copyDiagramText(); });
}

}  // namespace

void installStartupHooks() {
    TForm1::updateCheck = [](TForm1 &form) {
        return InfoLinks::runUpdateCheck(form.model().settings(), form.platform(), &form, TForm1::kVersion);
    };
}

// The order of the program's windows: the printing dialogs, the constraint
// editor, the progress window, the travellers, export, verification, swap,
// labels, statistics, import, the about box, the teaching windows and the
// keyboard entry.
void createWindows(TForm1 &form) {
    vrek::Workspace &ws = form.model();
    Platform &pf = form.platform();

    connectClipboard(form, new ClipboardCopy(ws, pf, &form));

    auto *prn = new TVrekPrn(ws, pf, &form);
    onItem(form, "Vrek1", prn, [prn] { prn->open(); });
    auto *com = new TVrekcom(ws, pf, &form);
    onItem(form, "Diagrammes1", com, [com] { com->openMode(0); });
    onItem(form, "Diagrammeschoisis1", com, [com] { com->openMode(1); });
    onItem(form, "HuitDiagrammeschoisis1", com, [com] { com->openMode(2); });

    auto *contraint = new TContraint(ws, pf, &form);
    onItem(form, "Caractristiques1", contraint, [contraint] { contraint->openEditor(); });
    onItem(form, "RInitialise1", contraint, [contraint] { contraint->initialiseAllClick(); });

    auto *information = new TInformation(ws, pf, &form);
    form.distribute = [information] { information->distributionClick(); };
    onItem(form, "N3", information, [information] { information->n3Click(); });
    auto *cle = new TVrekCle(ws, pf, *information, &form);
    onItem(form, "DistributionCle", cle, [cle] { cle->open(); });

    auto *fiche = new Tvrekfiche(ws, pf, &form);
    onItem(form, "Surfeuillesvierges1", fiche, [fiche] { fiche->openFor(false); });
    onItem(form, "Surfeuillesprimprimes1", fiche, [fiche] { fiche->openFor(true); });

    auto *expot = new TVrekexpot(ws, pf, &form);
    for (int i = 0; i < vrek::kExportMenuItems; ++i) {
        const auto item = static_cast<vrek::ExportMenuItem>(i);
        onItem(form, QString::fromStdString(vrek::menuItemName(item)), expot, [expot, item] { expot->Baco1Click(item); });
    }

    auto *verif = new TVrekverif(ws, pf, &form);
    form.verify = [verif] { verif->open(); };
    onItem(form, "Verif_Auto", verif, [verif] { verif->Verif_AutoClick(); });

    // The double-dummy analysis: the current deal's grid, the series command
    // and the PBN export's option share one solver and its results.
    auto *analysis = new VrAnalysis(pf, &form);
    auto *analyse = new TVrekanalyse(ws, pf, *analysis, &form);
    onItem(form, "AnalyseDoubleMort", analyse, [analyse] { analyse->analyseSeriesClick(); });
    expot->analyse = [analyse](const std::vector<int> &boards, std::map<int, vrek::DealAnalysis> &out) {
        return analyse->analyseBoards(boards, out);
    };
    com->analyse = expot->analyse;  // the diagram pages' option
    com->keyFingerprint = [cle](bool ask) { return cle->fingerprint(ask); };
    auto *soiree = new TVrekSoiree(ws, pf, &form);
    soiree->analyse = expot->analyse;
    soiree->keyFingerprint = [cle] { return cle->fingerprint(false); };
    onItem(form, "PreparerSoiree1", soiree, [soiree] { soiree->open(); });
    // No analysis while a long run is going on: it would compete with it.
    attachDdTable(form, *analysis, [verif, information] { return verif->tag() == 1 || information->isVisible(); });

    auto *permut = new Tvrkpermut(ws, &form);
    onItem(form, "Permutation", permut, [permut] { permut->openFor(0); });
    onItem(form, "Recopiedundiagramme1", permut, [permut] { permut->openFor(1); });

    auto *stat = new TvrekFStat(ws, pf, &form);
    using vrek::stats::Mode;
    for (const char *name : {"StatistiquesdelaSrie1", "Statistiques"})
        onItem(form, name, stat, [stat] { stat->openAs(Mode::Observed); });
    onItem(form, "Relev1", stat, [stat] { stat->openAs(Mode::FullRecord); });
    onItem(form, "Probabilits1", stat, [stat] { stat->openAs(Mode::Theory); });
    auto *prob = new TVrekFProb(ws, pf, &form);
    onItem(form, "Probabilit1", prob, [prob] { prob->show(), prob->raise(); });
    auto *mod = new TVrekFMod(ws, pf, &form);
    onItem(form, "Approchestatistique1", mod, [mod] { mod->show(), mod->raise(); });
    auto *etiq = new TVrekEtiq(ws, pf, &form);
    onItem(form, "Imprime1", etiq, [etiq] { etiq->open(); });
    auto *para = new TVrekPara(ws, pf, &form);
    onItem(form, "Paramtres1", para, [para] { para->open(); });

    auto *import = new TVrkFImport(ws, pf, &form);
    // A file's analyses are the boards' own unless the user asks for a check.
    import->keepAnalyses = [analysis, &ws](const std::map<int, vrek::DealAnalysis> &file) {
        for (const auto &[board, a] : file) analysis->keep(ws.series().deal(board), board, a);
    };
    import->checkAnalyses = [analysis, analyse, &ws, &pf, &form](const std::map<int, vrek::DealAnalysis> &file) {
        std::vector<int> boards;
        for (const auto &[board, a] : file) {
            analysis->forgetKept(ws.series().deal(board), board);
            boards.push_back(board);
        }
        std::map<int, vrek::DealAnalysis> solved;
        if (!analyse->analyseBoards(boards, solved)) return;
        QStringList lines;
        for (const std::string &l : vrek::analysisCheck(file, solved)) lines << QString::fromStdString(l);
        pf.information(&form, lines.join('\n'));
    };
    for (const QString &name : TVrkFImport::menuItems(false))
        onItem(form, name, import, [import, name] { import->HundyDup1Click(name); });
    for (const QString &name : TVrkFImport::menuItems(true))
        onItem(form, name, import, [import, name] { import->HundyDup1InsertClick(name); });

    auto *apropos = new TApropos(ws, pf, TForm1::kVersion, &form);
    onItem(form, "Apropos1", apropos, [apropos] { apropos->show(), apropos->raise(); });
    auto *links = new InfoLinks(ws, pf, TForm1::kVersion, &form);
    onItem(form, "Courier", links, [links] { links->CourierClick(); });
    onItem(form, "Information1", links, [links] { links->Information1Click(); });
    for (const auto &[item, file] : InfoLinks::kHelpItems)
        onItem(form, item, links, [links, f = QString::fromLatin1(file)] { links->helpClick(f); });

    auto *projecteur = new TVrekFProjecteur(&form);
    form.hideProjector = [projecteur] { projecteur->hide(); };
    auto *maitre = new TVrekFMaitre(ws, pf, projecteur, &form);
    onItem(form, "Prsentation1", maitre, [maitre] { maitre->open(); });
    // What each card makes, asked of a solver of its own as the play goes.
    auto *play = new VrPlayAnalysis(pf, &form);
    maitre->askPlay = [play](const vrek::PlayPosition &p) { play->ask(p); };
    maitre->forgetPlay = [play] { play->forget(); };
    QObject::connect(play, &VrPlayAnalysis::answered, maitre, &TVrekFMaitre::playAnswered);
    QObject::connect(play, &VrPlayAnalysis::refused, maitre, &TVrekFMaitre::playRefused);
    QObject::connect(play, &VrPlayAnalysis::failed, maitre, &TVrekFMaitre::playFailed);
    auto *ench = new TVrekFEnch(ws, pf, &form);
    QObject::connect(form.BtEncheres, &QPushButton::clicked, ench, [ench] { ench->open(); });

    auto *clavier = new TVrekFDiagramme(ws, pf, information, &form);
    form.keyboardEntry = [clavier] { clavier->open(); };
    // At exit an entry under way ends as "Terminer" ends it (Caps Lock back).
    form.closeKeyboardEntry = [clavier] {
        if (clavier->isVisible()) clavier->quitterClick();
    };
}
