#include "platform/discardinput.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace ui {

namespace {

bool isUserInput(QEvent::Type t) {
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

// A close request to the main window or a dialog; tool tips and popups
// still close themselves.
bool closesAWindow(QObject *o) {
    auto *w = qobject_cast<QWidget *>(o);
    if (!w) return o->isWindowType();
    const Qt::WindowType type = w->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

}  // namespace

DiscardInput::DiscardInput() { QCoreApplication::instance()->installEventFilter(this); }

DiscardInput::~DiscardInput() {
    // What came in during the last stretch of work goes too.
    QGuiApplication::sync();
    QCoreApplication::instance()->removeEventFilter(this);
}

bool DiscardInput::eventFilter(QObject *watched, QEvent *e) {
    const QEvent::Type t = e->type();
    if (t == QEvent::ShortcutOverride) {
        // Claimed here, the key goes on as a plain key press and is dropped
        // below, so that no menu shortcut fires.
        e->accept();
        return true;
    }
    if (t == QEvent::Close && closesAWindow(watched)) {
        e->ignore();
        return true;
    }
    return isUserInput(t);
}

}  // namespace ui
