// `vrek key`: makes a dealing key for verifiable dealing and tells its
// fingerprint, the text a club publishes before the event.
#include <cstdio>

#include "app/cli.h"
#include "dealing/dealkey.h"

namespace {

int key(const std::vector<std::string> &args);

cli::CliRegistrar reg({"key", "key new -o KEY.txt | key fingerprint KEY.txt",
                       "crée une clé de distribution (new) ou affiche l'empreinte d'une clé (fingerprint)", key});

int key(const std::vector<std::string> &args) {
    const cli::Command &me = cli::command("key");
    if (args.empty()) return cli::usageError(me);
    const std::string action = args[0];
    cli::Options o;
    std::string err;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (action == "new") {
        if (!cli::parseOptions(rest, {"-o"}, {}, o, err) || !o.positional.empty()) return cli::usageError(me, err);
        if (!o.has("-o") || o.value("-o").empty()) return cli::usageError(me, "fichier de clé manquant (-o KEY.txt)");
        const vrek::DealingKey k = vrek::newDealingKey();
        if (std::string e = vrek::writeKeyFile(o.value("-o"), k); !e.empty()) return cli::fail(e);
        std::printf("Empreinte : %s\n", vrek::fingerprintOf(k).c_str());
        return 0;
    }
    if (action == "fingerprint") {
        if (!cli::parseOptions(rest, {}, {}, o, err) || o.positional.size() != 1) return cli::usageError(me, err);
        auto k = vrek::readKeyFile(o.positional[0], err);
        if (!k) return cli::fail(err);
        std::printf("Empreinte : %s\n", vrek::fingerprintOf(*k).c_str());
        return 0;
    }
    return cli::usageError(me, "action inconnue : " + action + " (new ou fingerprint)");
}

}  // namespace
