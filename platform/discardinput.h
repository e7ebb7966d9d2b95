// Input that reaches the windows while a long run works on the series is
// thrown away, not kept for later: a click or key held until the end of a
// dealing or verification run would act on whatever the window shows then.
#pragma once
#include <QObject>

namespace ui {

// For its lifetime, every mouse, key, wheel, touch, drop, shortcut and
// close request of the application is discarded; painting, timers and
// processes go on. Pump with QCoreApplication::processEvents() (all events)
// so that input is taken and dropped rather than queued. The destructor
// drops what is still waiting before input comes back.
class DiscardInput : public QObject {
public:
    DiscardInput();
    ~DiscardInput() override;
    DiscardInput(const DiscardInput &) = delete;
    DiscardInput &operator=(const DiscardInput &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;
};

}  // namespace ui
