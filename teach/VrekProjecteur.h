// The projector window: the picture of the master display stretched over
// its whole client area, put full screen on the screen it stands on.
#pragma once
#include <QWidget>
#include <functional>
#include <optional>

#include "teach/projection.h"

class QImage;

class TVrekFProjecteur : public QWidget {
    Q_OBJECT
public:
    explicit TVrekFProjecteur(QWidget *parent);

    // The picture it shows; owned by the master display.
    void setPicture(const QImage *picture) { picture_ = picture; }
    // "Plein écran": full screen on the screen where the user has put it.
    void fullScreen();
    // "Ecran Normal", and what closing does.
    void normalScreen();
    bool isFullScreenShown() const { return isFullScreen(); }

    // Told when the user closes the window (the master display resets its button).
    std::function<void()> closed;
    // Told when Escape brings it back from full screen.
    std::function<void()> leftFullScreen;

protected:
    void paintEvent(QPaintEvent *) override;
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    const QImage *picture_ = nullptr;
    // Where the window stood before "Plein écran", given back on the way back.
    std::optional<QRect> normalPlace_;
};
