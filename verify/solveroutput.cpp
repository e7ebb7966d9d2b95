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

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number in `field`, or -1 when it holds no single number of at most
// three digits (a sign is read, so "-1" is -1).
int fieldNumber(const std::string &field, const std::string &rest) {
    size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) negative = field[i++] == '-';
    size_t start = i;
    int value = 0;
    while (i < field.size() && isDigit(field[i]) && i - start < 3) value = value * 10 + (field[i++] - '0');
    if (i == start) return -1;
    if (i == field.size() ? (!rest.empty() && isDigit(rest[0])) : isDigit(field[i])) return -1;
    for (size_t k = i; k < field.size(); ++k)
        if (isDigit(field[k])) return -1;
    return negative ? -1 : value;
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

    // Characters 5 to 10 hold one whole signed number, blanks around it; a
    // number running on past the field, or another digit after it, is no count.
    std::string field = line.size() > 4 ? line.substr(4, 6) : std::string();
    const std::string rest = line.size() > 10 ? line.substr(10) : std::string();
    const int n = fieldNumber(field, rest);
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
    if (a.ok() && run.exitCode != 0)
        return failed(SolverFailure::BadExit,
                      run.exitCode < 0 ? "Le programme de calcul s'est arrêté anormalement après avoir répondu."
                                       : "Le programme de calcul s'est terminé en erreur après avoir répondu. Code de sortie : " +
                                             std::to_string(run.exitCode) + ".");
    if (!a.ok() && a.failure != SolverFailure::BadNumber) {
        if (run.exitCode < 0) a.message += " Il s'est arrêté anormalement.";
        else if (run.exitCode > 0) a.message += " Code de sortie : " + std::to_string(run.exitCode) + ".";
    }
    return a;
}

}  // namespace vrek
