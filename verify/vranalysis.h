// The double-dummy analysis of deals in the background: the solver program
// in its table mode, fed the deals and read as its answers come, on the
// window's thread without ever waiting on it. The analyses stay in memory,
// keyed by the deals' cards, as long as the program runs.
#pragma once
#include <QObject>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "verify/ddanalysis.h"

class ChildProcess;
class Platform;

class VrAnalysis : public QObject {
    Q_OBJECT
public:
    // The solver is started through `pf`.
    explicit VrAnalysis(Platform &pf, QObject *parent = nullptr);
    ~VrAnalysis() override;

    // The solver program; beside the running program unless a test points elsewhere.
    QString solverProgram;

    const vrek::AnalysisCache &cache() const { return cache_; }
    const vrek::DealAnalysis *find(const vrek::Deal &d, int board) const { return cache_.find(d, board); }

    // An analysis from elsewhere (a PBN file's tags), known as the solver's
    // would be until forgetKept() drops it for a check against the solver.
    void keep(const vrek::Deal &d, int board, const vrek::DealAnalysis &a);
    void forgetKept(const vrek::Deal &d, int board);

    // Asks for the complete deals (deal, board number) that are neither known
    // nor already asked; returns how many were asked.
    int request(const std::vector<std::pair<vrek::Deal, int>> &deals);
    // Deals asked and not answered yet.
    int pending() const { return static_cast<int>(asked_.size()); }
    // Ends the solver at once and forgets what was asked.
    void cancel();

    // Asks for the deals and waits for them, the window's events going on;
    // false with `error` (French) on a failure, or when `cancel()` was called.
    bool analyseAndWait(const std::vector<std::pair<vrek::Deal, int>> &deals, QString &error);

signals:
    // One more analysis in the cache.
    void analysed();
    // The solver failed; what was asked is forgotten.
    void failed(const QString &message);
    // Nothing is asked any more (answered, failed or cancelled).
    void idle();
    // The user stopped the solver.
    void cancelled();

private:
    Platform &pf_;
    vrek::AnalysisCache cache_;
    std::set<std::string> kept_;  // keys of the analyses kept from elsewhere
    std::unique_ptr<ChildProcess> proc_;
    std::map<std::string, std::string> asked_;  // tag -> key
    QByteArray buffer_;
    long nextTag_ = 1;
    QTimer watchdog_;

    void ensureStarted();
    void readAnswers(const QByteArray &bytes);
    void ended(int exitCode, bool crashed);
    void fail(const QString &message);
    void stopProcess();
};
