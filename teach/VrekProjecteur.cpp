#include "teach/VrekProjecteur.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

TVrekFProjecteur::TVrekFProjecteur(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("VrekFProjecteur");
    setWindowTitle(QStringLiteral("Vrek Projecteur"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(600, 450);
}

void TVrekFProjecteur::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (!picture_ || picture_->isNull()) {
        p.fillRect(rect(), Qt::white);
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), *picture_);
}

void TVrekFProjecteur::fullScreen() {
    if (!isFullScreen()) normalPlace_ = geometry();
    // The screen the window stands on (by its middle), not the primary one:
    // on a desktop with two screens the user has dragged it onto the projector.
    QScreen *s = QGuiApplication::screenAt(frameGeometry().center());
    if (!s) s = screen();
    if (s && windowHandle()) windowHandle()->setScreen(s);
    if (s) setGeometry(s->geometry());
    showFullScreen();
}

void TVrekFProjecteur::normalScreen() {
    showNormal();
    // The screen's size was set to reach the right screen: the toolkit would
    // keep it as the normal size, title bar above the screen.
    if (normalPlace_) setGeometry(*normalPlace_);
    normalPlace_.reset();
}

void TVrekFProjecteur::closeEvent(QCloseEvent *e) {
    if (isFullScreen()) normalScreen();
    e->accept();
    if (closed) closed();
}

void TVrekFProjecteur::keyPressEvent(QKeyEvent *e) {
    // Escape gives the window back its frame when full screen hides every other window.
    if (e->key() == Qt::Key_Escape && isFullScreen()) {
        normalScreen();
        if (leftFullScreen) leftFullScreen();
        return;
    }
    QWidget::keyPressEvent(e);
}
