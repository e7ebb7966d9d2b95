// A captioned group of radio buttons with an item index, as the print
// dialogs' choices ("Imprime en", "Numérotation", ...) are.
#pragma once
#include <QGroupBox>
#include <QList>
#include <QRadioButton>
#include <QStringList>

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    // The items are named after the group: "Imprimante0", "Imprimante1" ...
    RadioGroup(const char *name, const QString &caption, const QStringList &items, QWidget *parent);

    int itemIndex() const;
    void setItemIndex(int i);
    QRadioButton *item(int i) const { return items_.value(i); }
    int count() const { return static_cast<int>(items_.size()); }
    void setCaptions(const QStringList &captions);

signals:
    // A click of the user on an item.
    void clicked(int index);

private:
    QList<QRadioButton *> items_;
};
