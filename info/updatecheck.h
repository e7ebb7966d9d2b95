// The update check and the maker's links: which pages are asked for, what
// their answers mean, and the texts the user sees.
#pragma once
#include <functional>
#include <string>

namespace vrek::info {

// The site's address with exactly one '/' before `page`.
std::string pageOf(const std::string &site, const std::string &page);
// "arbitrage/index.html": the site answers at all.
std::string indexPage(const std::string &site);
// "arbitrage/Vrek_" + version + ".html": this version is still the current one.
std::string versionPage(const std::string &site, const std::string &version);

enum class UpdateState {
    SiteUnreachable,  // nothing to say
    Current,          // the version's page exists
    NewVersion,       // the site answers without the version's page
};

// Asks `pageExists` for the index page, then for the version's page.
UpdateState checkForUpdate(const std::string &site, const std::string &version,
                           const std::function<bool(const std::string &url)> &pageExists);

// The question put when a newer version exists (UTF-8).
std::string newVersionQuestion(const std::string &site);

// A mail link to `address` with its subject, percent-encoded.
std::string mailLink(const std::string &address, const std::string &subject);
std::string percentEncode(const std::string &utf8);

}  // namespace vrek::info
