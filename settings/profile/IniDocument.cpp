#include "IniDocument.h"

#include "ProfileText.h"

namespace profile {

namespace {

std::string_view NextLine(std::string_view& text) {
    // Lines end at a line feed; only when none is left does a lone carriage
    // return end one.
    size_t end = text.find('\n');
    if (end == std::string_view::npos) end = text.find('\r');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    return line;
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    doc.AddSection(Section{"", false, {}, {}});  // lines before the first header
    while (!text.empty()) {
        std::string_view line = TrimBlanks(NextLine(text));
        if (line.empty()) continue;
        if (line.front() == '[') {
            size_t close = line.rfind(']');
            if (close != std::string_view::npos && close > 0) {
                doc.AddSection(Section{std::string(line.substr(1, close - 1)), true, {}, {}});
                continue;
            }
        }
        Entry entry;
        size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            entry.name = std::string(line);
        } else {
            entry.name = std::string(TrimBlanks(line.substr(0, equals)));
            entry.value = std::string(TrimBlanks(line.substr(equals + 1)));
            entry.hasValue = true;
        }
        doc.sections_.back().AddEntry(std::move(entry));
    }
    return doc;
}

void IniDocument::AddSection(Section section) {
    firstSection_.emplace(ToLowerAscii(section.name), sections_.size());
    sections_.push_back(std::move(section));
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
    const auto found = firstSection_.find(ToLowerAscii(TrimBlanks(name)));
    return found == firstSection_.end() ? nullptr : &sections_[found->second];
}

void IniDocument::Section::AddEntry(Entry entry) {
    firstEntry.emplace(ToLowerAscii(entry.name), entries.size());
    entries.push_back(std::move(entry));
}

const IniDocument::Entry* IniDocument::FindEntry(const Section& section, std::string_view name) const {
    const auto found = section.firstEntry.find(ToLowerAscii(TrimBlanks(name)));
    return found == section.firstEntry.end() ? nullptr : &section.entries[found->second];
}

std::string IniDocument::Get(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (!found) return {};
    const Entry* entry = FindEntry(*found, key);
    if (!entry || !entry->hasValue) return {};
    // A value set in memory keeps its trailing blanks for the file, which
    // drops them when it is read again.
    return std::string(StripEnclosingQuotes(TrimBlanks(entry->value)));
}

bool IniDocument::Set(std::string_view sectionName, std::string_view key, std::string_view value) {
    sectionName = TrimBlanks(sectionName);
    key = TrimBlanks(key);
    value = TrimLeadingBlanks(value);
    auto* section = const_cast<Section*>(FindSection(sectionName));
    if (!section) {
        AddSection(Section{std::string(sectionName), true, {}, {}});
        section = &sections_.back();
    }
    auto* entry = const_cast<Entry*>(FindEntry(*section, key));
    if (!entry) {
        section->AddEntry(Entry{std::string(key), {}, false});
        entry = &section->entries.back();
    } else if (entry->hasValue && entry->value == value) {
        return false;
    }
    entry->value = std::string(value);
    entry->hasValue = true;
    return true;
}

std::string IniDocument::Serialize() const {
    std::string out;
    for (const Section& section : sections_) {
        if (section.hasHeader) out += "[" + section.name + "]\r\n";
        for (const Entry& entry : section.entries) {
            out += entry.name;
            if (entry.hasValue) out += "=" + entry.value;
            out += "\r\n";
        }
    }
    return out;
}

}  // namespace profile
