// What each card makes, position after position of the play, in the
// background: one solver process in its play mode, asked one position at a
// time on the window's thread without ever waiting on it. The newest
// position wins: an older question is not told, and one that keeps the
// newest waiting too long is cut short by starting the solver again.
#pragma once
#include <QObject>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "core/playanalysis.h"

class ChildProcess;
class Platform;

class VrPlayAnalysis : public QObject {
    Q_OBJECT
public:
    explicit VrPlayAnalysis(Platform &pf, QObject *parent = nullptr);
    ~VrPlayAnalysis() override;

    // The solver program; beside the running program unless a test points elsewhere.
    QString solverProgram;
    // No answer for this long: the solver is stuck.
    int silenceMs = 20000;
    // How long an older question may keep the newest one waiting.
    int patienceMs = 250;

    // Asks for a position (one without positionProblem()); answered() or
    // refused() tells it, at once when it is known, unless a newer ask
    // comes first.
    void ask(const vrek::PlayPosition &p);
    // Tells nothing more until the next ask; the solver stays for it.
    void forget();
    // Ends the solver; the next ask starts it again.
    void stop();
    const vrek::PlayAnalysis *find(const vrek::PlayPosition &p) const;

    // Asks and waits for the answer, the window's events going on; false
    // with `error` (French) when the solver fails or refuses the position.
    bool analyseAndWait(const vrek::PlayPosition &p, vrek::PlayAnalysis &out, QString &error);

signals:
    void answered(const vrek::PlayPosition &p, const vrek::PlayAnalysis &a);
    // The solver could not answer this position (its French message).
    void refused(const vrek::PlayPosition &p, const QString &message);
    // The solver is missing, ended, stuck or unreadable: what was asked is dropped.
    void failed(const QString &message);

private:
    struct Question {
        std::string tag, key;
        vrek::PlayPosition position;
    };
    Platform &pf_;
    std::unique_ptr<ChildProcess> proc_;
    std::map<std::string, vrek::PlayAnalysis> cache_;
    std::optional<Question> inFlight_;
    std::optional<vrek::PlayPosition> wanted_;  // the newest position asked and not told
    QByteArray buffer_;
    long nextTag_ = 1;
    QTimer watchdog_, patience_;

    void send(const vrek::PlayPosition &p);
    void readAnswers(const QByteArray &bytes);
    void answer(const Question &q, const vrek::PlayAnalysis &a, const std::string &error);
    void ended(int exitCode, bool crashed);
    void fail(const QString &message);
    void stopProcess();
};
