#include "verify/vrkanalyse.h"

#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "core/workspace.h"
#include "platform/platform.h"
#include "verify/vranalysis.h"

using namespace vrek;

namespace {
QString boardNames(const char *one, const char *many, const std::vector<int> &boards) {
    QString t = QString::fromUtf8(boards.size() == 1 ? one : many);
    for (size_t i = 0; i < boards.size(); ++i) t += (i ? ", " : "") + QString::number(boards[i]);
    return t + ".";
}
}  // namespace

TVrekanalyse::TVrekanalyse(Workspace &ws, Platform &pf, VrAnalysis &analysis, QWidget *parent)
    : QDialog(parent), ws_(ws), pf_(pf), analysis_(analysis) {
    setObjectName("Vrekanalyse");
    setWindowTitle(QStringLiteral("Analyse au double mort"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowModality(Qt::ApplicationModal);
    Texte = new QLabel(this);
    Texte->setObjectName("Texte");
    Texte->setGeometry(12, 10, 296, 20);
    Progression = new QProgressBar(this);
    Progression->setObjectName("Progression");
    Progression->setGeometry(12, 36, 296, 20);
    Annuler = new QPushButton(QStringLiteral("&Annuler"), this);
    Annuler->setObjectName("Annuler");
    Annuler->setGeometry(118, 66, 84, 26);
    Annuler->setAutoDefault(false);
    connect(Annuler, &QPushButton::clicked, this, [this] { analysis_.cancel(); });
    setFixedSize(320, 102);
}

bool TVrekanalyse::analyseBoards(const std::vector<int> &boards, std::map<int, DealAnalysis> &out) {
    if (running_) return false;
    std::vector<std::pair<Deal, int>> deals;
    for (int b : boards)
        if (b >= 1 && b <= kBoards && !analysisKey(ws_.series().deal(b), b).empty())
            deals.emplace_back(ws_.series().deal(b), b);
    auto known = [&] {
        int n = 0;
        for (const auto &[d, b] : deals) n += analysis_.find(d, b) != nullptr;
        return n;
    };
    running_ = true;
    Progression->setRange(0, static_cast<int>(deals.size()));
    Progression->setValue(known());
    Texte->setText(QStringLiteral("Analyse de %1 donnes…").arg(deals.size()));
    auto onAnswer = connect(&analysis_, &VrAnalysis::analysed, this, [&] { Progression->setValue(known()); });
    const bool wait = known() < static_cast<int>(deals.size());
    if (wait) {
        show();
        raise();
    }
    QString error;
    const bool ok = analysis_.analyseAndWait(deals, error);
    disconnect(onAnswer);
    hide();
    running_ = false;
    if (!ok) {
        if (error != QStringLiteral("Analyse interrompue.")) pf_.error(parentWidget(), error);
        return false;
    }
    for (const auto &[d, b] : deals) out[b] = *analysis_.find(d, b);
    return true;
}

void TVrekanalyse::analyseSeriesClick() {
    if (running_ || !ws_.fileOpen()) return;
    std::vector<int> boards, incomplete;
    for (int b : eveningBoards(ws_.settings())) {
        const Deal &d = ws_.series().deal(b);
        if (d.empty()) continue;
        if (analysisKey(d, b).empty()) incomplete.push_back(b);
        else boards.push_back(b);
    }
    std::map<int, DealAnalysis> out;
    if (!analyseBoards(boards, out)) return;
    QString text = QStringLiteral("Analyse au double mort terminée : %1 donne(s).").arg(out.size());
    if (!incomplete.empty())
        text += "\n" + boardNames("Donne non analysée car incomplète : ", "Donnes non analysées car incomplètes : ",
                                  incomplete);
    pf_.information(parentWidget(), text);
}
