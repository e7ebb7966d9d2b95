#include "app/vreksoiree.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/bundlepdf.h"
#include "core/boardlist.h"
#include "core/workspace.h"
#include "platform/platform.h"
#include "printing/labels.h"

using namespace vrek;
using vrek::bundle::Item;

namespace {

QString qs(const std::string &utf8) { return QString::fromStdString(utf8); }

QString fileName(const std::string &path) { return QFileInfo(qs(path)).fileName(); }

}  // namespace

TVrekSoiree::TVrekSoiree(Workspace &ws, Platform &pf, QWidget *parent) : QDialog(parent), ws_(ws), pf_(pf) {
    setObjectName("VrekSoiree");
    setWindowTitle(QStringLiteral("Préparer la soirée"));

    LbDonnes = new QLabel(this);
    LbDonnes->setObjectName("LbDonnes");
    auto *folderLabel = new QLabel(QStringLiteral("Dossier :"), this);
    EdDossier = new QLineEdit(this);
    EdDossier->setObjectName("EdDossier");
    EdDossier->setMinimumWidth(360);
    auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    BtParcourir = button("BtParcourir", QStringLiteral("&Parcourir…"));
    BtPreparer = button("BtPreparer", QStringLiteral("P&réparer"));
    BtAnnuler = button("BtAnnuler", QStringLiteral("&Annuler"));

    auto *grid = new QGridLayout;
    grid->addWidget(LbDonnes, 0, 0, 1, 3);
    grid->addWidget(folderLabel, 1, 0);
    grid->addWidget(EdDossier, 1, 1);
    grid->addWidget(BtParcourir, 1, 2);
    auto *ticks = new QVBoxLayout;
    for (const auto &i : bundle::items()) {
        auto *b = new QCheckBox(QString::fromUtf8(i.caption), this);
        b->setObjectName(QStringLiteral("Choix") + QString::fromLatin1(i.word));
        Choix[i.item] = b;
        ticks->addWidget(b);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtPreparer);
    buttons->addWidget(BtAnnuler);
    auto *all = new QVBoxLayout(this);
    all->addLayout(grid);
    all->addLayout(ticks);
    all->addLayout(buttons);
    all->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtParcourir, &QPushButton::clicked, this, [this] { BtParcourirClick(); });
    connect(BtPreparer, &QPushButton::clicked, this, [this] { BtPreparerClick(); });
    connect(BtAnnuler, &QPushButton::clicked, this, &QDialog::hide);
}

void TVrekSoiree::open() {
    if (!ws_.fileOpen()) return;
    const std::vector<int> boards = eveningBoards(ws_.settings());
    LbDonnes->setText(QStringLiteral("Donnes de la soirée : %1 (%2 donnes)")
                          .arg(qs(boardListText(boards)))
                          .arg(boards.size()));
    EdDossier->setText(QDir::toNativeSeparators(qs(bundle::proposedFolder(ws_.seriesFileName()))));
    // The fingerprint only when a key dealt in this session.
    const bool key = keyFingerprint && !keyFingerprint().empty();
    for (auto &[item, box] : Choix) {
        box->setEnabled(item != Item::Fingerprint || key);
        box->setChecked(box->isEnabled());
    }
    show();
    raise();
    activateWindow();
}

void TVrekSoiree::BtParcourirClick() {
    const QString chosen = pf_.folderName(this, QStringLiteral("Dossier de la soirée"), EdDossier->text());
    if (!chosen.isEmpty()) EdDossier->setText(QDir::toNativeSeparators(chosen));
}

bool TVrekSoiree::BtPreparerClick() {
    if (!ws_.fileOpen() || ws_.busy()) return false;
    bundle::Job job;
    // One state of the series for every file, whatever happens meanwhile.
    job.series = ws_.series();
    job.seriesFile = ws_.seriesFileName();
    job.boards = eveningBoards(ws_.settings());
    for (const auto &[item, box] : Choix)
        if (box->isEnabled() && box->isChecked()) job.chosen.push_back(item);
    const QString folder = EdDossier->text().trimmed();
    job.folder = folder.isEmpty() ? std::string() : QFileInfo(QDir::fromNativeSeparators(folder)).absoluteFilePath().toStdString();
    const QDate today = pf_.today();
    job.date = today.toString(QStringLiteral("dd/MM/yyyy")).toStdString();
    job.pbnDate = today.toString(QStringLiteral("yyyy.MM.dd")).toStdString();
    job.style.colour = ws_.settings().imprimante != 0;
    job.labels = labelGeometry(ws_.settings());
    if (job.has(Item::Fingerprint) && keyFingerprint) job.fingerprint = keyFingerprint();
    job.decimalPoint = QLocale().decimalPoint().toStdString();

    if (const std::string why = bundle::refusal(job); !why.empty()) {
        pf_.error(this, qs(why));
        return false;
    }
    if (const auto there = bundle::existingFiles(job); !there.empty()) {
        QStringList names;
        for (const std::string &f : there) names << fileName(f);
        if (!pf_.question(this, QStringLiteral("Le dossier %1 contient déjà des fichiers de la soirée :\n%2\n"
                                               "Les remplacer ?")
                                    .arg(QDir::toNativeSeparators(qs(job.folder)), names.join(QStringLiteral(", ")))))
            return false;
    }
    // Stopped or failed, the analysis writes nothing and the dialog stays.
    const std::vector<int> analysed = bundle::analysedBoards(job);
    if (!analysed.empty() && (!analyse || !analyse(analysed, job.analysis))) return false;

    QStringList written, failed;
    for (const bundle::Outcome &o : bundle::write(job, bundlePdfWriter())) {
        if (o.ok()) written << fileName(o.path);
        else failed << fileName(o.path) + QStringLiteral(" : ") + qs(o.error);
    }
    const QString where = QDir::toNativeSeparators(qs(job.folder));
    if (!failed.isEmpty()) {
        QString text = QStringLiteral("Ces fichiers n'ont pas pu être écrits :\n") + failed.join('\n');
        if (!written.isEmpty())
            text += QStringLiteral("\n\nLes autres sont écrits dans %1 :\n").arg(where) + written.join('\n');
        pf_.error(this, text);
        return false;
    }
    pf_.information(this, QStringLiteral("La soirée est prête : %1 fichiers écrits dans %2 :\n")
                              .arg(written.size())
                              .arg(where) +
                              written.join('\n'));
    hide();
    return true;
}
