#include "info/updatecheck.h"

#include <cstdio>

namespace vrek::info {

std::string pageOf(const std::string &site, const std::string &page) {
    std::string s = site;
    while (!s.empty() && s.back() == '/') s.pop_back();
    return s + "/" + page;
}

std::string indexPage(const std::string &site) { return pageOf(site, "arbitrage/index.html"); }

std::string versionPage(const std::string &site, const std::string &version) {
    return pageOf(site, "arbitrage/Vrek_" + version + ".html");
}

UpdateState checkForUpdate(const std::string &site, const std::string &version,
                           const std::function<bool(const std::string &)> &pageExists) {
    if (!pageExists(indexPage(site))) return UpdateState::SiteUnreachable;
    return pageExists(versionPage(site, version)) ? UpdateState::Current : UpdateState::NewVersion;
}

std::string newVersionQuestion(const std::string &site) {
    return "Il éxiste une nouvelle version de Vrek\n\n   qui peut être téléchargée sur :\n\n" + std::string(8, ' ') +
           site + "\n\n\n\n Voullez vous la télécharger ?\n";
}

std::string percentEncode(const std::string &utf8) {
    std::string out;
    for (unsigned char ch : utf8) {
        const bool plain = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
                           ch == '-' || ch == '.' || ch == '_' || ch == '~';
        if (plain) {
            out += static_cast<char>(ch);
        } else {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%%%02X", ch);
            out += buf;
        }
    }
    return out;
}

std::string mailLink(const std::string &address, const std::string &subject) {
    return "mailto:" + address + "?subject=" + percentEncode(subject);
}

}  // namespace vrek::info
