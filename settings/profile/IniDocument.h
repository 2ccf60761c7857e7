#pragma once
// An initialization file held in memory, with the reading and writing rules of
// the platform's private-profile functions: sections and keys match without
// regard to case, blanks around names and values are dropped, a rewritten key
// keeps its place, a new key goes to the end of its section and a new section
// to the end of the file. Serialising writes the compact form that the
// platform writes back (CRLF lines, no blank lines).
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace profile {

class IniDocument {
public:
    static IniDocument Parse(std::string_view text);

    // The value of the key in the first section of that name, with one pair of
    // enclosing quotes removed; empty when there is no such key.
    std::string Get(std::string_view section, std::string_view key) const;

    // Returns false when nothing had to change (same value already stored).
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Serialize() const;

private:
    struct Entry {
        std::string name;
        std::string value;
        bool hasValue = false;
    };
    struct Section {
        std::string name;
        bool hasHeader = true;
        std::vector<Entry> entries;
        // The first entry of each name, by its lower-case name: a legacy
        // section numbers thousands of keys.
        std::unordered_map<std::string, size_t> firstEntry;

        void AddEntry(Entry entry);
    };

    const Section* FindSection(std::string_view name) const;
    const Entry* FindEntry(const Section& section, std::string_view name) const;
    void AddSection(Section section);

    std::vector<Section> sections_;
    // The first section of each name, by its lower-case name: a disc of a few
    // thousand records has as many sections, and every key looks one up.
    std::unordered_map<std::string, size_t> firstSection_;
};

}  // namespace profile
