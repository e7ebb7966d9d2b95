// Section/key text files in the Windows initialisation format: names match
// without regard to letter case, other lines of the file are kept as they are.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vrek {

class IniFile {
public:
    // Bytes as stored (Windows-1252); any line end is accepted.
    void parse(const std::string &bytes);
    // CR LF line ends.
    std::string serialize() const;

    std::optional<std::string> get(const std::string &section, const std::string &key) const;
    // Replaces the key's value in place, or appends it to its section,
    // or appends the section at the end of the file.
    void set(const std::string &section, const std::string &key, const std::string &value);

    static bool sameName(const std::string &a, const std::string &b);

private:
    std::vector<std::string> lines_;
    // The header lines' indices in order: a lookup walks the headers and its
    // section, not the whole file.
    std::vector<size_t> headers_;
    void index();
    // Index of the section's header line, or -1.
    int findSection(const std::string &section) const;
};

}  // namespace vrek
