#include "verify/solveroutput.h"

namespace vrek {

namespace {

constexpr std::string_view kPrompt = "line:";
constexpr std::string_view kAfter = "after";

size_t answerPos(const std::string &t) {
    size_t p = t.find(kPrompt);
    if (p == std::string::npos) return std::string::npos;
    return t.find(kAfter, p + kPrompt.size());
}

SolverAnswer failed(SolverFailure f, std::string message) {
    SolverAnswer a;
    a.failure = f;
    a.message = std::move(message);
    return a;
}

}  // namespace

void SolverOutput::append(std::string_view chunk) {
    if (text_.size() >= kMaxSolverOutput) return;
    text_.append(chunk.substr(0, kMaxSolverOutput - text_.size()));
}

bool SolverOutput::hasPrompt() const { return text_.find(kPrompt) != std::string::npos; }
bool SolverOutput::hasAnswer() const { return answerPos(text_) != std::string::npos; }

SolverAnswer readSolverAnswer(const std::string &t) {
    size_t prompt = t.find(kPrompt);
    if (prompt == std::string::npos)
        return failed(SolverFailure::NoPrompt, "Le programme de calcul n'a pas affiché son invite « line: ».");
    size_t after = answerPos(t);
    if (after == std::string::npos)
        return failed(SolverFailure::NoAnswer,
                      "Le programme de calcul n'a pas donné le nombre de levées (pas de ligne « after »).");
    // The answer line starts after the last line end before "after", and never
    // before the end of the prompt.
    size_t start = prompt + kPrompt.size();
    size_t eol = t.find_last_of("\r\n", after);
    if (eol != std::string::npos && eol + 1 > start) start = eol + 1;
    size_t end = t.find_first_of("\r\n", after);
    std::string line = t.substr(start, (end == std::string::npos ? t.size() : end) - start);

    std::string field = line.size() > 4 ? line.substr(4, 6) : std::string();
    std::string digits;
    for (char c : field)
        if (c >= '0' && c <= '9') digits += c;
    int n = -1;
    if (!digits.empty()) n = std::stoi(digits);  // at most 6 digits
    if (n < 0 || n > 13) {
        std::string shown;
        for (char c : field) shown += (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) ? '?' : c;
        return failed(SolverFailure::BadNumber,
                      "Le programme de calcul a donné un nombre de levées invalide : « " + shown + " ».");
    }
    SolverAnswer a;
    a.nsTricks = n;
    return a;
}

SolverAnswer interpretSolverRun(const SolverRun &run, const std::string &program, int timeoutMs) {
    if (!run.started)
        return failed(SolverFailure::NotStarted,
                      "Le programme de calcul « " + program + " » est introuvable ou ne peut pas être lancé.");
    if (run.timedOut)
        return failed(SolverFailure::TimedOut, "Le programme de calcul n'a pas terminé dans les " +
                                                   std::to_string(timeoutMs / 1000) + " secondes : il a été arrêté.");
    SolverAnswer a = readSolverAnswer(run.output);
    if (!a.ok() && a.failure != SolverFailure::BadNumber) {
        if (run.exitCode < 0) a.message += " Il s'est arrêté anormalement.";
        else if (run.exitCode > 0) a.message += " Code de sortie : " + std::to_string(run.exitCode) + ".";
    }
    return a;
}

}  // namespace vrek
