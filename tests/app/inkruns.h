// Where a label really draws its characters, found in the label as painted,
// so that clicks are aimed at what the user sees.
#pragma once
#include <QImage>
#include <QLabel>
#include <utility>

// Inked columns [first, last] of the label as painted, or {-1, -1}.
inline std::pair<int, int> inkSpan(QLabel *l) {
    const QImage img = l->grab().toImage();
    const int bg = qGray(img.pixel(img.width() - 1, 0));
    int first = -1, last = -1;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if (std::abs(qGray(img.pixel(x, y)) - bg) > 96) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

// Inked columns of the i-th character alone: the label is painted with every
// other character blanked (a fixed-pitch font keeps the positions), then
// given its text back.
inline std::pair<int, int> charSpan(QLabel *l, int i) {
    const QString text = l->text();
    QString one(text.size(), QLatin1Char(' '));
    one[i] = text[i];
    l->setText(one);
    const auto span = inkSpan(l);
    l->setText(text);
    return span;
}

// Centre of the k-th card drawn in a hand or pack label ("P AKQ": k = 1 is
// the ace, the third character).
inline QPoint cardCentre(QLabel *l, int k) {
    if (k < 1 || k + 1 >= l->text().size()) return QPoint(-100, l->height() / 2);
    const auto [first, last] = charSpan(l, k + 1);
    return QPoint((first + last + 1) / 2, l->height() / 2);
}
