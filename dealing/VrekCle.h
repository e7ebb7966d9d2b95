// "Distribution avec une clé…": creates a dealing key (showing the
// fingerprint to publish before the event) or chooses one, then deals the
// current board or the whole series with it. The key lives in this window
// for the session only: never in the series files nor in the settings.
#pragma once
#include <QDialog>
#include <optional>

#include "dealing/dealkey.h"

class QLabel;
class QLineEdit;
class QPushButton;
class Platform;
class TInformation;
namespace vrek {
class Workspace;
}

class TVrekCle : public QDialog {
    Q_OBJECT
public:
    TVrekCle(vrek::Workspace &ws, Platform &pf, TInformation &dealer, QWidget *parent);
    ~TVrekCle() override;

    // The menu item.
    void open();
    // "Créer une clé…": a new key file, never over an existing one.
    void BtCreerClick();
    // "Choisir une clé…": a key file read and checked; a bad one leaves the
    // key in use as it was.
    void BtChoisirClick();
    // Deal the current board, or every board as "Distribution Automatique".
    void BtDonneClick();
    void BtSerieClick();

    // The fingerprint of the key in use, "" when none. With `ask`, and no
    // key yet, the user may choose one first.
    std::string fingerprint(bool ask);

    QLabel *LbFichier;
    QLineEdit *EdEmpreinte;
    QPushButton *BtCreer, *BtChoisir, *BtDonne, *BtSerie, *BtQuitter;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    TInformation &dealer_;
    std::optional<vrek::DealingKey> key_;
    QString file_;
    int listener_ = -1;

    void use(const vrek::DealingKey &k, const QString &file);
    void refresh();
    void ranWith();
};
