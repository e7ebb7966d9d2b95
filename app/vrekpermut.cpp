#include "app/vrekpermut.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "core/workspace.h"
#include "core/dealops.h"

Tvrkpermut::Tvrkpermut(vrek::Workspace &ws, QWidget *parent) : QDialog(parent), ws_(ws) {
    setObjectName("vrkpermut");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint);
    setFixedSize(330, 150);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(12, 10, 300, 18);
    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setObjectName("ScrollBar1");
    ScrollBar1->setGeometry(12, 30, 306, 18);
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(12, 52, 60, 18);
    Label3 = new QLabel(this);
    Label3->setObjectName("Label3");
    Label3->setGeometry(12, 70, 300, 18);
    ScrollBar2 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar2->setObjectName("ScrollBar2");
    ScrollBar2->setGeometry(12, 90, 306, 18);
    for (QScrollBar *b : {ScrollBar1, ScrollBar2}) {
        b->setRange(1, vrek::kBoards);
        b->setPageStep(1);
        connect(b, &QScrollBar::valueChanged, this, [this] { showNumbers(); });
    }
    Imprim = new QPushButton(this);
    Imprim->setObjectName("Imprim");
    Imprim->setGeometry(60, 116, 100, 26);
    Quitter = new QPushButton(QStringLiteral("&Quitter"), this);
    Quitter->setObjectName("Quitter");
    Quitter->setGeometry(170, 116, 100, 26);
    connect(Imprim, &QPushButton::clicked, this, [this] { imprimClick(); });
    connect(Quitter, &QPushButton::clicked, this, &QDialog::hide);
}

void Tvrkpermut::activate() {
    const bool copy = tag_ == 1;
    setWindowTitle(copy ? QStringLiteral("Recopie d'un diagramme") : QStringLiteral("Permutation entre 2 diagrammes"));
    Label2->setText(copy ? QStringLiteral("  le  ") : QStringLiteral("Avec"));
    Imprim->setText(copy ? QStringLiteral("Reco&pier") : QStringLiteral("&Permuter"));
    QSignalBlocker a(ScrollBar1), b(ScrollBar2);
    ScrollBar1->setValue(ws_.currentDeal());
    ScrollBar2->setValue(ws_.currentDeal());
    showNumbers();
}

void Tvrkpermut::showNumbers() {
    const QString a = QString::number(ScrollBar1->value());
    Label1->setText((tag_ == 1 ? QStringLiteral("Recopier à la place du ") : QStringLiteral("Permuter le diagramme ")) + a);
    Label3->setText(QStringLiteral("          le diagramme ") + QString::number(ScrollBar2->value()));
}

void Tvrkpermut::imprimClick() {
    const int a = ScrollBar1->value(), b = ScrollBar2->value();
    const bool swap = tag_ == 0;
    hide();
    ws_.edit(vrek::ChangeSeries, [&](vrek::Series &s) { vrek::exchangeBoards(s, a, b, swap); });
}

void Tvrkpermut::openFor(int tag) {
    if (!ws_.fileOpen() || ws_.currentDeal() < 1) return;
    setTag(tag);
    activate();
    show();
    raise();
}
