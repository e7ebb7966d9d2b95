// The clipboard commands of the "Edition et Présentation" menu: pictures of
// one hand, of the four hands and of the opening lead, the deal's texts, and
// one hand or the diagram as formatted text. Every command works on the
// current deal and does nothing while no series is open.
#pragma once
#include <QImage>
#include <QObject>
#include <QString>

#include "core/workspace.h"

class Platform;
class QWidget;

class ClipboardCopy : public QObject {
    Q_OBJECT
public:
    ClipboardCopy(vrek::Workspace &ws, Platform &pf, QWidget *parent);

    void copyHandPicture(int seat);
    void copyTablePicture();
    // Nothing happens when the contract text has no "entame".
    void copyLeadPicture();
    // A field's whole text; an empty field leaves the clipboard as it was.
    void copyText(const QString &text);
    void copyHandText(int seat);
    void copyDiagramText();

    // The pictures as they go to the clipboard (empty when there is none).
    QImage handPicture(int seat) const;
    QImage tablePicture() const;
    QImage leadPicture() const;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    bool arial() const { return ws_.settings().arial; }
    const vrek::Deal *deal() const;
};
