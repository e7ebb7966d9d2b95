#include "printing/radiogroup.h"

#include <QVBoxLayout>

RadioGroup::RadioGroup(const char *name, const QString &caption, const QStringList &items, QWidget *parent)
    : QGroupBox(caption, parent) {
    setObjectName(name);
    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto *b = new QRadioButton(items[i], this);
        b->setObjectName(QString::fromLatin1(name) + QString::number(i));
        layout->addWidget(b);
        items_ << b;
        connect(b, &QRadioButton::clicked, this, [this, i] { emit clicked(i); });
    }
    if (!items_.isEmpty()) items_.first()->setChecked(true);
}

int RadioGroup::itemIndex() const {
    for (int i = 0; i < items_.size(); ++i)
        if (items_[i]->isChecked()) return i;
    return -1;
}

void RadioGroup::setItemIndex(int i) {
    if (i >= 0 && i < items_.size()) items_[i]->setChecked(true);
}

void RadioGroup::setCaptions(const QStringList &captions) {
    for (int i = 0; i < items_.size() && i < captions.size(); ++i) items_[i]->setText(captions[i]);
}
