#include "info/aprop.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/cp1252.h"
#include "core/workspace.h"
#include "info/history.h"
#include "info/infolinks.h"
#include "info/updatecheck.h"
#include "platform/platform.h"
#include "platform/uiutil.h"

HistoryBox::HistoryBox(QWidget *parent) : QWidget(parent) {
    setObjectName("PaintBox1");
    setFont(QFont(QStringLiteral("Arial"), 10));
    setAutoFillBackground(true);
    ui::setColours(this, ui::kWhite, QColor(0, 0, 255));
}

int HistoryBox::lineHeight() const { return fontMetrics().height(); }

void HistoryBox::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setPen(QColor(0, 0, 255));
    const int h = lineHeight();
    const int ascent = fontMetrics().ascent();
    for (int k = 1; k <= lines.size(); ++k) {
        const int y = (k - 1) * h + height() - step;
        if (y + h < 0 || y > height()) continue;
        p.drawText(1, y + ascent, lines[k - 1]);
    }
}

TApropos::TApropos(vrek::Workspace &ws, Platform &pf, const QString &version, QWidget *parent)
    : QDialog(parent), ws_(ws), pf_(pf) {
    setObjectName("Apropos");
    setWindowTitle(QStringLiteral("A propos du distributeur de mains ") + version);
    setFixedSize(430, 270);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(16, 16, 96, 96);
    QPixmap pic(96, 96);
    pic.fill(ui::kGreen);
    {
        // Four suit signs on the green of the card table.
        QPainter p(&pic);
        p.setRenderHint(QPainter::Antialiasing);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 26, QFont::Bold));
        const QString signs[] = {QStringLiteral("\u2660"), QStringLiteral("\u2665"), QStringLiteral("\u2666"),
                                 QStringLiteral("\u2663")};
        for (int i = 0; i < 4; ++i) {
            p.setPen(i == 1 || i == 2 ? QColor(255, 0, 0) : QColor(0, 0, 0));
            p.drawText(QRect((i % 2) * 48, (i / 2) * 48, 48, 48), Qt::AlignCenter, signs[i]);
        }
    }
    Image1->setPixmap(pic);

    QFont big(QStringLiteral("Arial"), 12, QFont::Bold);
    Label1 = new QLabel(QStringLiteral("Distributeur de mains de bridge"), this);
    Label1->setObjectName("Label1");
    Label1->setFont(big);
    Label1->setGeometry(130, 20, 290, 24);
    Label2 = new QLabel(QStringLiteral("par l'équipe Vrek"), this);
    Label2->setObjectName("Label2");
    Label2->setFont(big);
    Label2->setGeometry(130, 46, 290, 24);
    Version = new QLabel(QStringLiteral("Version : ") + version, this);
    Version->setObjectName("Version");
    Version->setGeometry(130, 80, 290, 20);
    Label3 = new QLabel(QStringLiteral("E-mail "), this);
    Label3->setObjectName("Label3");
    Label3->setGeometry(130, 104, 50, 20);
    LbMail = new QLabel(QString::fromStdString(vrek::cp1252ToUtf8(ws.settings().courriel)), this);
    LbMail->setObjectName("LbMail");
    LbMail->setGeometry(180, 104, 240, 20);
    ui::setColours(LbMail, QColor(), QColor(0, 0, 255));
    QFont underlined = LbMail->font();
    underlined.setUnderline(true);
    LbMail->setFont(underlined);
    LbMail->setCursor(Qt::PointingHandCursor);
    LbMail->installEventFilter(this);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setPlainText(QStringLiteral("Toutes critiques afin d'améliorer ce programme \n"
                                       "seront les bienvenues ainsi que les encouragements."));
    Memo1->setGeometry(16, 140, 398, 56);
    Memo1->setFrameShape(QFrame::NoFrame);
    QPalette mp = Memo1->palette();
    mp.setColor(QPalette::Base, QColor(255, 0, 0));
    mp.setColor(QPalette::Text, QColor(0, 255, 0));
    Memo1->setPalette(mp);
    Memo1->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));

    Historique = new QPushButton(QStringLiteral("Historique"), this);
    Historique->setObjectName("Historique");
    Historique->setGeometry(100, 222, 100, 28);
    BtOk = new QPushButton(QStringLiteral("OK"), this);
    BtOk->setObjectName("BtOk");
    BtOk->setGeometry(230, 222, 100, 28);
    BtOk->setDefault(true);
    connect(Historique, &QPushButton::clicked, this, &TApropos::HistoriqueClick);
    connect(BtOk, &QPushButton::clicked, this, &QDialog::accept);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->hide();
    PaintBox1 = new HistoryBox(Panel1);
    for (const std::string &l : vrek::info::versionHistory()) history << QString::fromStdString(l);
    PaintBox1->lines = history;

    scroll_.setInterval(kStepMs);
    connect(&scroll_, &QTimer::timeout, this, &TApropos::scrollOneStep);
    hold_.setSingleShot(true);
    hold_.setInterval(kHoldMs);
    connect(&hold_, &QTimer::timeout, this, [this] { Panel1->hide(); });
}

void TApropos::resizeEvent(QResizeEvent *e) {
    QDialog::resizeEvent(e);
    Panel1->setGeometry(rect());
    PaintBox1->setGeometry(Panel1->contentsRect());
}

int TApropos::scrollSteps() const {
    return std::max(PaintBox1->height(), static_cast<int>(history.size()) * PaintBox1->lineHeight());
}

void TApropos::HistoriqueClick() {
    stopScrolling();
    Panel1->setGeometry(rect());
    PaintBox1->setGeometry(Panel1->contentsRect());
    PaintBox1->step = 0;
    Panel1->show();
    Panel1->raise();
    // The steps go by on the timer, so the window stays responsive meanwhile.
    scroll_.start();
}

void TApropos::scrollOneStep() {
    if (!Panel1->isVisible()) return;
    ++PaintBox1->step;
    PaintBox1->update();
    if (PaintBox1->step >= scrollSteps()) {
        scroll_.stop();
        hold_.start();
    }
}

void TApropos::stopScrolling() {
    scroll_.stop();
    hold_.stop();
    Panel1->hide();
}

void TApropos::hideEvent(QHideEvent *e) {
    stopScrolling();
    QDialog::hideEvent(e);
}

bool TApropos::eventFilter(QObject *watched, QEvent *e) {
    if (watched == LbMail && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
        mailClick();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

void TApropos::mailClick() {
    const std::string subject = windowTitle().left(39).toStdString();
    const std::string link = vrek::info::mailLink(vrek::cp1252ToUtf8(ws_.settings().courriel), subject);
    if (!pf_.openUrl(QString::fromStdString(link))) pf_.warning(this, InfoLinks::mailFailure());
}
