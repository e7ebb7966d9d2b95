#include "printing/boxpanels.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

BoxPanels makeBoxPanels(QWidget *owner, QHBoxLayout *row, const BoxPanelShape &shape, const QString &prefix,
                        QCheckBox **boxes, const std::function<void(int first, bool on)> &toggle) {
    BoxPanels out{};
    auto button = [](QWidget *parent, const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, parent);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    for (int p = 0; p < 3; ++p) {
        QFrame *panel = out.panel[p] = new QFrame(owner);
        panel->setObjectName(QStringLiteral("Panel%1").arg(p + 1));
        panel->setFrameShape(QFrame::StyledPanel);
        auto *col = new QVBoxLayout(panel);
        if (shape.spacing >= 0) col->setSpacing(shape.spacing);
        const int first = shape.perPanel * p + 1;
        for (int n = first; n < first + shape.perPanel; ++n) {
            boxes[n - 1] = new QCheckBox(shape.caption(n), panel);
            boxes[n - 1]->setObjectName(prefix + QString::number(n));
            col->addWidget(boxes[n - 1]);
        }
        out.on[p] = button(panel, shape.onNames[p], shape.button(p, true));
        out.off[p] = button(panel, shape.offNames[p], shape.button(p, false));
        col->addWidget(out.on[p]);
        col->addWidget(out.off[p]);
        row->addWidget(panel);
        QObject::connect(out.on[p], &QPushButton::clicked, owner, [toggle, first] { toggle(first, true); });
        QObject::connect(out.off[p], &QPushButton::clicked, owner, [toggle, first] { toggle(first, false); });
    }
    return out;
}
