// The "Informations" menu's links and the help items of every menu: the
// maker's mail and update-information page through the desktop, the help
// files beside the program, and the update check at start-up.
#pragma once
#include <QObject>
#include <QString>

class Platform;
class QWidget;
namespace vrek {
class Workspace;
struct Settings;
}  // namespace vrek

class InfoLinks : public QObject {
    Q_OBJECT
public:
    // Each probe of the update check waits this long at most.
    static constexpr int kProbeTimeoutMs = 3000;

    InfoLinks(vrek::Workspace &ws, Platform &pf, const QString &version, QWidget *parent);

    void CourierClick();      // "&M'écrire"
    void Information1Click(); // "&Informations sur mises à jour"
    // An "Aides" item: the PDF file of that menu, beside the program.
    void helpClick(const QString &fileName);

    // The "Aides" items and their files.
    static const std::pair<const char *, const char *> kHelpItems[7];

    static QString mailFailure();
    static QString browserFailure();

    // At start-up: asks the site whether this version is still the current
    // one and offers the download page when it is not. True when the user
    // chose to download: the program must end.
    static bool runUpdateCheck(const vrek::Settings &s, Platform &pf, QWidget *parent, const QString &version);

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    QWidget *parent_;
    QString version_;
};
