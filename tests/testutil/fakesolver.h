// The solver program `bridge` played in-process by the scripted platform, for
// the tests of our side of its protocols: one question with no argument, one
// question after another with "-suite", deals' tables with "-table",
// positions of the play with "-play"; and the faults a test asks for.
#pragma once
#include <QByteArray>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class ScriptedPlatform;
class ScriptedProcess;

class FakeSolver {
public:
    static constexpr int kGoOn = -1000;  // the solver's own way on
    static constexpr int kHang = -1001;  // never ends, never prints again
    static constexpr int kCrash = -1;    // killed by a signal

    // Plays `program` (any path) in `plat` from now on.
    FakeSolver(ScriptedPlatform &plat, const QString &program);

    bool prompt = true;     // prints "line:" at its start (and after each answer of "-suite")
    int atStart = kGoOn;    // or ends at once, before any prompt: an exit code, kCrash or kHang
    // What it prints for a question, from the exchange file's text (read when
    // the command comes); by default thirteen tricks for North-South.
    std::function<QByteArray(const std::string &exchange)> answer;
    // After the answer: kGoOn (the next prompt with "-suite", exit 0 without),
    // an exit code, kCrash or kHang.
    std::function<int(const std::string &exchange)> then;
    // The same answer and the same way on for every question.
    void always(const QByteArray &says, int next);
    int pieces = 0;  // > 0: every output in pieces of this many bytes, 20 ms apart
    // "-table": the line answered to a request line ("" answers nothing).
    std::function<std::string(const std::string &request)> table;
    // "-play": the same for a position's request line.
    std::function<std::string(const std::string &request)> positions;

    // What it saw: every command, the exchange files as it read them, every
    // start (with its arguments) and every kill.
    std::vector<std::string> commands, exchanges;
    std::vector<QString> starts;
    int requests = 0;  // "-table" and "-play" lines read
    int kills = 0;
    int held = 0;  // processes whose handle the program still holds

private:
    void play(ScriptedProcess &p);
    void say(ScriptedProcess &p, const QByteArray &bytes);
};
