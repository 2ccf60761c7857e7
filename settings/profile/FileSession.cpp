#include "FileSession.h"

#include <memory>
#include <mutex>
#include <vector>

#include "CachedFiles.h"
#include "IniDocument.h"
#include "../util/FileBytes.h"
#include "../util/TextCase.h"

namespace profile {

namespace {

struct OpenFile {
    std::string path;
    int sessions = 0;
    bool inMemory = false;  // false: the file is left to the key-by-key functions
    bool existed = false;   // a write creates a missing file even when it changes nothing
    bool dirty = false;
    IniDocument document;
};

struct Registry {
    std::mutex lock;
    std::vector<std::unique_ptr<OpenFile>> files;

    OpenFile* Find(const std::string& path) {
        for (auto& file : files) {
            if (EqualsNoCase(file->path, path)) return file.get();
        }
        return nullptr;
    }
};

Registry& Files() {
    static Registry registry;
    return registry;
}

// Bigger files are left to the key-by-key functions.
constexpr std::size_t kMaxCachedFileBytes = 64u << 20;

bool HasByteOrderMark(const std::string& bytes) {
    auto startsWith = [&](const char* mark, size_t length) { return bytes.compare(0, length, mark, length) == 0; };
    return startsWith("\xFF\xFE", 2) || startsWith("\xFE\xFF", 2) || startsWith("\xEF\xBB\xBF", 3);
}

void LoadInto(OpenFile& file) {
    std::string bytes;
    const FileRead read = ReadFileBytes(file.path, kMaxCachedFileBytes, bytes);
    if (read == FileRead::Unusable || (read == FileRead::Read && HasByteOrderMark(bytes))) return;
    file.existed = read == FileRead::Read;
    file.document = IniDocument::Parse(bytes);
    file.inMemory = true;
}

bool FlushLocked(OpenFile& file) {
    if (!file.inMemory || !file.dirty) return true;
    if (!WriteFileBytes(file.path, file.document.Serialize())) return false;
    file.dirty = false;
    file.existed = true;
    return true;
}

// Names and values that the platform would read back differently from how
// they were written (a line break splits the line, "=" in a key ends the
// key): after such a write the document is read again from its own text, as
// the platform reads its file again on every call.
bool ChangesOnReread(const std::string& section, const std::string& key, const std::string& value) {
    auto hasBreak = [](const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; };
    return hasBreak(section) || hasBreak(key) || hasBreak(value) || key.find('=') != std::string::npos ||
           (!key.empty() && key.front() == '[');
}

}  // namespace

FileSession::FileSession(const std::string& file) : file_(file) {
    if (file_.empty()) return;
    Registry& registry = Files();
    std::lock_guard<std::mutex> guard(registry.lock);
    OpenFile* open = registry.Find(file_);
    if (!open) {
        registry.files.push_back(std::make_unique<OpenFile>());
        open = registry.files.back().get();
        open->path = file_;
        LoadInto(*open);
    }
    ++open->sessions;
}

FileSession::~FileSession() {
    Registry& registry = Files();
    std::lock_guard<std::mutex> guard(registry.lock);
    OpenFile* open = registry.Find(file_);
    if (!open || --open->sessions > 0) return;
    FlushLocked(*open);
    for (auto it = registry.files.begin(); it != registry.files.end(); ++it) {
        if (it->get() == open) {
            registry.files.erase(it);
            break;
        }
    }
}

bool FileSession::Flush() {
    Registry& registry = Files();
    std::lock_guard<std::mutex> guard(registry.lock);
    OpenFile* open = registry.Find(file_);
    return !open || FlushLocked(*open);
}

bool FileSession::Commit() {
    Registry& registry = Files();
    std::lock_guard<std::mutex> guard(registry.lock);
    OpenFile* open = registry.Find(file_);
    return !open || open->sessions > 1 || FlushLocked(*open);
}

bool FileSession::InMemory() const {
    Registry& registry = Files();
    std::lock_guard<std::mutex> guard(registry.lock);
    OpenFile* open = registry.Find(file_);
    return open && open->inMemory;
}

namespace cached {

std::optional<std::string> Read(const std::string& file, const std::string& section, const std::string& key) {
    Registry& registry = Files();
    std::lock_guard<std::mutex> guard(registry.lock);
    OpenFile* open = registry.Find(file);
    if (!open || !open->inMemory) return std::nullopt;
    return open->document.Get(section, key);
}

bool Write(const std::string& file, const std::string& section, const std::string& key, const std::string& value) {
    Registry& registry = Files();
    std::lock_guard<std::mutex> guard(registry.lock);
    OpenFile* open = registry.Find(file);
    if (!open || !open->inMemory) return false;
    const bool changed = open->document.Set(section, key, value);
    if (changed && ChangesOnReread(section, key, value)) {
        open->document = IniDocument::Parse(open->document.Serialize());
    }
    if (changed || !open->existed) open->dirty = true;
    return true;
}

}  // namespace cached

}  // namespace profile
