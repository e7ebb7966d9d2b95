#include "app/ddtable.h"

#include <QEvent>
#include <QTimer>
#include <memory>

#include "app/vrekhp.h"
#include "core/dealanalysis.h"
#include "verify/vranalysis.h"

using namespace vrek;

namespace {
// Its place on the deal panel, in the panel's design units (350 x 419):
// the top left corner, free of hands and labels.
constexpr int kX = 4, kY = 4, kW = 120, kH = 96;
// How long a deal stays shown before its analysis is asked for.
constexpr int kSettleMs = 400;
}  // namespace

QString ddTableText(const DealAnalysis &a) {
    QString t = QStringLiteral("   SA  P  C  K  T");
    const int seats[4] = {North, South, East, West};
    for (int seat : seats) {
        t += '\n' + QString(QChar(seatLetter(seat))) + ' ';
        for (int st = 0; st < kStrains; ++st) t += QStringLiteral("%1").arg(a.tricks[seat - 1][st], 3);
    }
    if (a.par.empty()) return t + QStringLiteral("\nPar : passe");
    QString contracts;
    for (size_t i = 0; i < a.par.size() && i < 2; ++i)
        contracts += (i ? ", " : "") + QString::fromStdString(parContractFrench(a.par[i]));
    return t + QStringLiteral("\nPar : ") + contracts + QStringLiteral("\n      %1%2 NS").arg(a.parScore > 0 ? "+" : "").arg(a.parScore);
}

DdTableView::DdTableView(QWidget *parent) : QLabel(parent) {
    setObjectName("DdTable");
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    parent->installEventFilter(this);
    place();
    hide();
}

void DdTableView::showAnalysis(const DealAnalysis *a) {
    if (!a) {
        clear();
        hide();
        return;
    }
    setText(ddTableText(*a));
    show();
}

bool DdTableView::eventFilter(QObject *o, QEvent *e) {
    if (o == parentWidget() && e->type() == QEvent::Resize) place();
    return QLabel::eventFilter(o, e);
}

void DdTableView::place() {
    const QWidget *p = parentWidget();
    const double sx = p->width() / 350.0, sy = p->height() / 419.0;
    setGeometry(qRound(kX * sx), qRound(kY * sy), qRound(kW * sx), qRound(kH * sy));
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSizeF(std::max(1.0, 8.5 * std::min(sx, sy)));
    setFont(f);
}

DdTableView *attachDdTable(TForm1 &form, VrAnalysis &analysis, std::function<bool()> busy) {
    auto *view = new DdTableView(form.Table);
    // A deal whose analysis failed or was stopped is not asked again until it changes.
    auto failedKey = std::make_shared<std::string>();
    // The solver is asked only once a deal has stayed on screen a moment:
    // boards flashing past (a dealing run, holding a navigation key) would
    // otherwise each start an analysis that competes with the work.
    auto *settle = new QTimer(view);
    settle->setSingleShot(true);
    settle->setInterval(kSettleMs);
    QObject::connect(settle, &QTimer::timeout, view, [&form, &analysis, busy, failedKey] {
        const Workspace &ws = form.model();
        const int n = ws.currentDeal();
        if (!ws.fileOpen() || n < 1 || n > kBoards) return;
        const Deal &d = ws.series().deal(n);
        const std::string key = analysisKey(d, n);
        if (!analysis.find(d, n) && !key.empty() && key != *failedKey && analysis.pending() == 0 && !(busy && busy()))
            analysis.request({{d, n}});
    });
    auto refresh = [&form, &analysis, view, settle] {
        const Workspace &ws = form.model();
        const int n = ws.currentDeal();
        if (!ws.fileOpen() || n < 1 || n > kBoards) return view->showAnalysis(nullptr);
        const DealAnalysis *a = analysis.find(ws.series().deal(n), n);
        view->showAnalysis(a);
        if (!a) settle->start();
    };
    form.model().subscribe([refresh](unsigned) { refresh(); });
    QObject::connect(&analysis, &VrAnalysis::analysed, view, refresh);
    QObject::connect(&analysis, &VrAnalysis::idle, view, refresh);
    auto forget = [&form, failedKey] {
        const int n = form.model().currentDeal();
        if (n >= 1 && n <= kBoards) *failedKey = analysisKey(form.model().series().deal(n), n);
    };
    QObject::connect(&analysis, &VrAnalysis::failed, view, forget);
    QObject::connect(&analysis, &VrAnalysis::cancelled, view, forget);
    refresh();
    return view;
}
