#include "IsoImageWriter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <memory>
#include <vector>

#include "IsoNames.h"

namespace {

constexpr std::uint32_t kSector = 2048;
constexpr std::uint32_t kFirstPathTable = 19;  // after the system area and three descriptors

// One entry of the tree with its names on the disc and where it lies.
struct Node {
    const ImageEntry* entry = nullptr;
    Node* parent = nullptr;
    std::string isoName;
    std::u16string jolietName;
    std::vector<std::unique_ptr<Node>> children;
    std::vector<Node*> isoOrder;     // children as the ISO directory lists them
    std::vector<Node*> jolietOrder;  // and as the Joliet one does
    std::uint32_t isoExtent = 0, isoSize = 0, jolietExtent = 0, jolietSize = 0, fileExtent = 0;
    int isoNumber = 0, jolietNumber = 0;

    bool IsDirectory() const { return entry->directory; }
};

std::string Ucs2Bytes(const std::u16string& text) {
    std::string bytes;
    for (char16_t c : text) {
        bytes += char(c >> 8);
        bytes += char(c & 0xFF);
    }
    return bytes;
}

std::string JolietIdentifier(const Node& node) {
    return Ucs2Bytes(node.IsDirectory() ? node.jolietName : node.jolietName + u";1");
}

void Put16Both(std::string& out, std::size_t at, std::uint32_t value) {
    out[at] = char(value & 0xFF);
    out[at + 1] = char((value >> 8) & 0xFF);
    out[at + 2] = char((value >> 8) & 0xFF);
    out[at + 3] = char(value & 0xFF);
}

void Put32(std::string& out, std::size_t at, std::uint32_t value, bool bigEndian) {
    for (int i = 0; i < 4; ++i) out[at + std::size_t(i)] = char((value >> (8 * (bigEndian ? 3 - i : i))) & 0xFF);
}

void Put32Both(std::string& out, std::size_t at, std::uint32_t value) {
    Put32(out, at, value, false);
    Put32(out, at + 4, value, true);
}

void PutText(std::string& out, std::size_t at, const std::string& text, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) out[at + i] = i < text.size() ? text[i] : ' ';
}

void PutUcs2(std::string& out, std::size_t at, const std::u16string& text, std::size_t width) {
    std::u16string padded = text.substr(0, width / 2);
    padded.resize(width / 2, u' ');
    const std::string bytes = Ucs2Bytes(padded);
    out.replace(at, bytes.size(), bytes);
}

std::string RecordDate(const ImageTime& time) {
    return {char(std::clamp(time.year - 1900, 0, 255)), char(time.month), char(time.day), char(time.hour),
            char(time.minute), char(time.second), 0};
}

std::string DescriptorDate(const ImageTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d00", std::clamp(time.year, 0, 9999),
                  std::clamp(time.month, 0, 99), std::clamp(time.day, 0, 99), std::clamp(time.hour, 0, 99),
                  std::clamp(time.minute, 0, 99), std::clamp(time.second, 0, 99));
    return std::string(text, 16) + '\0';
}

std::string DirectoryRecord(std::uint32_t extent, std::uint32_t size, const ImageTime& time, bool directory,
                            const std::string& identifier) {
    const std::size_t length = 33 + identifier.size() + (identifier.size() % 2 == 0 ? 1 : 0);
    std::string record(length, '\0');
    record[0] = char(length);
    Put32Both(record, 2, extent);
    Put32Both(record, 10, size);
    record.replace(18, 7, RecordDate(time));
    record[25] = directory ? 2 : 0;
    Put16Both(record, 28, 1);
    record[32] = char(identifier.size());
    record.replace(33, identifier.size(), identifier);
    return record;
}

std::uint32_t Sectors(std::uint64_t bytes) { return std::uint32_t((bytes + kSector - 1) / kSector); }

class Layout {
public:
    explicit Layout(const ImageEntry& root) {
        root_.entry = &root;
        Build(root_);
        Number();
    }

    // The identifiers of a directory's records, "." and ".." first.
    std::vector<std::string> Records(const Node& directory, bool joliet) const {
        const Node& parent = directory.parent ? *directory.parent : directory;
        std::vector<std::string> records;
        const auto self = [&](const Node& node) { return joliet ? node.jolietExtent : node.isoExtent; };
        const auto size = [&](const Node& node) { return joliet ? node.jolietSize : node.isoSize; };
        records.push_back(DirectoryRecord(self(directory), size(directory), directory.entry->modified, true, std::string(1, '\0')));
        records.push_back(DirectoryRecord(self(parent), size(parent), parent.entry->modified, true, std::string(1, '\1')));
        for (const Node* child : joliet ? directory.jolietOrder : directory.isoOrder) {
            const std::string identifier = joliet ? JolietIdentifier(*child) : child->isoName;
            const std::uint32_t extent = child->IsDirectory() ? self(*child) : child->fileExtent;
            const std::uint32_t length = child->IsDirectory() ? size(*child) : std::uint32_t(child->entry->size);
            records.push_back(DirectoryRecord(extent, length, child->entry->modified, child->IsDirectory(), identifier));
        }
        return records;
    }

    // The directory's records packed into sectors; a record never crosses one.
    std::string Extent(const Node& directory, bool joliet) const {
        std::string bytes;
        for (const std::string& record : Records(directory, joliet)) {
            const std::size_t used = bytes.size() % kSector;
            if (used + record.size() > kSector) bytes.resize(bytes.size() + (kSector - used), '\0');
            bytes += record;
        }
        bytes.resize(std::size_t(Sectors(bytes.size())) * kSector, '\0');
        return bytes;
    }

    std::string PathTable(bool joliet, bool bigEndian) const {
        std::string table;
        for (const Node* directory : joliet ? jolietDirectories_ : isoDirectories_) {
            const std::string name = directory == &root_ ? std::string(1, '\0')
                                     : joliet           ? Ucs2Bytes(directory->jolietName)
                                                        : directory->isoName;
            std::string record(8 + name.size() + name.size() % 2, '\0');
            record[0] = char(name.size());
            Put32(record, 2, joliet ? directory->jolietExtent : directory->isoExtent, bigEndian);
            const int parent = directory->parent ? (joliet ? directory->parent->jolietNumber : directory->parent->isoNumber) : 1;
            record[6] = char(bigEndian ? (parent >> 8) : (parent & 0xFF));
            record[7] = char(bigEndian ? (parent & 0xFF) : (parent >> 8));
            record.replace(8, name.size(), name);
            table += record;
        }
        return table;
    }

    // Gives every directory and file its place; returns the image's sectors.
    std::uint32_t Place() {
        pathTableSize_ = std::uint32_t(PathTable(false, false).size());
        jolietPathTableSize_ = std::uint32_t(PathTable(true, false).size());
        for (Node* directory : isoDirectories_) directory->isoSize = std::uint32_t(Extent(*directory, false).size());
        for (Node* directory : jolietDirectories_) directory->jolietSize = std::uint32_t(Extent(*directory, true).size());
        std::uint32_t next = kFirstPathTable + 2 * Sectors(pathTableSize_) + 2 * Sectors(jolietPathTableSize_);
        for (Node* directory : isoDirectories_) next += Sectors((directory->isoExtent = next, directory->isoSize));
        for (Node* directory : jolietDirectories_) next += Sectors((directory->jolietExtent = next, directory->jolietSize));
        for (Node* file : files_) {
            file->fileExtent = next;
            next += Sectors(file->entry->size);
        }
        return next;
    }

    const Node& Root() const { return root_; }
    const std::vector<Node*>& IsoDirectories() const { return isoDirectories_; }
    const std::vector<Node*>& JolietDirectories() const { return jolietDirectories_; }
    const std::vector<Node*>& Files() const { return files_; }
    std::uint32_t PathTableSize(bool joliet) const { return joliet ? jolietPathTableSize_ : pathTableSize_; }

private:
    void Build(Node& node) {
        std::vector<const ImageEntry*> entries;
        for (const ImageEntry& child : node.entry->children) entries.push_back(&child);
        std::sort(entries.begin(), entries.end(), [](const ImageEntry* a, const ImageEntry* b) { return a->name < b->name; });
        std::vector<std::string> names;
        std::vector<bool> directories;
        for (const ImageEntry* entry : entries) {
            names.push_back(entry->name);
            directories.push_back(entry->directory);
        }
        const auto isoNames = IsoNamesFor(names, directories);
        const auto jolietNames = JolietNamesFor(names, directories);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            auto child = std::make_unique<Node>();
            child->entry = entries[i];
            child->parent = &node;
            child->isoName = isoNames[i];
            child->jolietName = jolietNames[i];
            node.isoOrder.push_back(child.get());
            node.jolietOrder.push_back(child.get());
            node.children.push_back(std::move(child));
        }
        std::sort(node.isoOrder.begin(), node.isoOrder.end(), [](const Node* a, const Node* b) { return a->isoName < b->isoName; });
        std::sort(node.jolietOrder.begin(), node.jolietOrder.end(),
                  [](const Node* a, const Node* b) { return a->jolietName < b->jolietName; });
        for (auto& child : node.children) {
            if (child->IsDirectory()) Build(*child);
        }
    }

    // Directories level by level, each level in its parents' order, as the
    // path tables list them; files in the order of the plain tree.
    void Number() {
        for (bool joliet : {false, true}) {
            std::vector<Node*>& list = joliet ? jolietDirectories_ : isoDirectories_;
            std::deque<Node*> waiting = {&root_};
            while (!waiting.empty()) {
                Node* directory = waiting.front();
                waiting.pop_front();
                list.push_back(directory);
                (joliet ? directory->jolietNumber : directory->isoNumber) = int(list.size());
                for (Node* child : joliet ? directory->jolietOrder : directory->isoOrder) {
                    if (child->IsDirectory()) waiting.push_back(child);
                }
            }
        }
        for (Node* directory : isoDirectories_) {
            for (Node* child : directory->isoOrder) {
                if (!child->IsDirectory()) files_.push_back(child);
            }
        }
    }

    Node root_;
    std::vector<Node*> isoDirectories_;
    std::vector<Node*> jolietDirectories_;
    std::vector<Node*> files_;
    std::uint32_t pathTableSize_ = 0;
    std::uint32_t jolietPathTableSize_ = 0;
};

std::string IsoVolumeName(const std::string& label) {
    std::string name;
    for (char c : label) {
        if (name.size() == 32) break;
        const char upper = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
        name += ((upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9')) ? upper : '_';
    }
    return name;
}

std::string VolumeDescriptor(const Layout& layout, const ImageOptions& options, std::uint32_t sectors, bool joliet) {
    std::string sector(kSector, '\0');
    sector[0] = joliet ? 2 : 1;
    sector.replace(1, 5, "CD001");
    sector[6] = 1;
    const std::u16string application = u"MENUWRIGHT";
    if (joliet) {
        PutUcs2(sector, 8, u"", 32);
        PutUcs2(sector, 40, WindowsTextToUcs2(options.volumeName), 32);
        sector.replace(88, 3, "%/E");
    } else {
        PutText(sector, 8, "", 32);
        PutText(sector, 40, IsoVolumeName(options.volumeName), 32);
    }
    Put32Both(sector, 80, sectors);
    Put16Both(sector, 120, 1);
    Put16Both(sector, 124, 1);
    Put16Both(sector, 128, kSector);
    Put32Both(sector, 132, layout.PathTableSize(joliet));
    const std::uint32_t first = kFirstPathTable + (joliet ? 2 * Sectors(layout.PathTableSize(false)) : 0);
    Put32(sector, 140, first, false);
    Put32(sector, 148, first + Sectors(layout.PathTableSize(joliet)), true);
    const Node& root = layout.Root();
    const std::string record = DirectoryRecord(joliet ? root.jolietExtent : root.isoExtent,
                                               joliet ? root.jolietSize : root.isoSize, options.created, true,
                                               std::string(1, '\0'));
    sector.replace(156, record.size(), record);
    for (std::size_t at : {190u, 318u, 446u, 574u}) {
        if (joliet) {
            PutUcs2(sector, at, at == 574 ? application : u"", 128);
        } else {
            PutText(sector, at, at == 574 ? "MENUWRIGHT" : "", 128);
        }
    }
    for (std::size_t at : {702u, 739u, 776u}) {
        if (joliet) {
            PutUcs2(sector, at, u"", 36);
            sector[at + 36] = ' ';
        } else {
            PutText(sector, at, "", 37);
        }
    }
    const std::string date = DescriptorDate(options.created);
    sector.replace(813, 17, date);
    sector.replace(830, 17, date);
    sector.replace(847, 17, std::string(16, '0') + '\0');
    sector.replace(864, 17, date);
    sector[881] = 1;
    return sector;
}

std::string Terminator() {
    std::string sector(kSector, '\0');
    sector[0] = char(255);
    sector.replace(1, 5, "CD001");
    sector[6] = 1;
    return sector;
}

std::string Padded(std::string bytes) {
    bytes.resize(std::size_t(Sectors(bytes.size())) * kSector, '\0');
    return bytes;
}

const ImageEntry* TooLarge(const ImageEntry& entry) {
    if (!entry.directory) return entry.size > kMaxImageFileSize ? &entry : nullptr;
    for (const ImageEntry& child : entry.children) {
        if (const ImageEntry* found = TooLarge(child)) return found;
    }
    return nullptr;
}

std::uint64_t FileBytes(const ImageEntry& entry) {
    if (!entry.directory) return entry.size;
    std::uint64_t total = 0;
    for (const ImageEntry& child : entry.children) total += FileBytes(child);
    return total;
}

// Gathers the image into one block and hands the sink whole blocks: the
// platform's cost per write, not the bytes, dominates a disc of many small
// files, and a file's bytes are read straight into the block.
class ImageOutput {
public:
    static constexpr std::size_t kBlock = 1024 * 1024;

    ImageOutput(IImageSink& sink, const ImageOptions& options, std::uint64_t total)
        : sink_(sink), options_(options), total_(total), block_(new char[kBlock]) {}

    bool Put(const std::string& bytes) { return Put(bytes.data(), bytes.size()); }

    bool Put(const char* bytes, std::size_t size) {
        while (size > 0) {
            const std::size_t piece = std::min(size, kBlock - filled_);
            std::memcpy(block_.get() + filled_, bytes, piece);
            filled_ += piece;
            bytes += piece;
            size -= piece;
            if (filled_ == kBlock && !Flush()) return false;
        }
        return true;
    }

    bool PutZeros(std::size_t size) {
        while (size > 0) {
            const std::size_t piece = std::min(size, kBlock - filled_);
            std::memset(block_.get() + filled_, 0, piece);
            filled_ += piece;
            size -= piece;
            if (filled_ == kBlock && !Flush()) return false;
        }
        return true;
    }

    // One file's bytes, padded to its sectors; exactly its stated size.
    ImageResult PutFile(const Node& file, IImageFiles& files) {
        std::uint64_t left = file.entry->size;
        if (!files.Open(file.entry->source)) return ImageResult::kReadFailed;
        ImageResult result = ImageResult::kWritten;
        while (left > 0 && result == ImageResult::kWritten) {
            const std::size_t wanted = std::size_t(std::min<std::uint64_t>(left, kBlock - filled_));
            const long long read = files.Read(block_.get() + filled_, wanted);
            if (read <= 0) {
                result = ImageResult::kReadFailed;
                continue;
            }
            filled_ += std::size_t(read);
            left -= std::uint64_t(read);
            done_ += std::uint64_t(read);
            if (filled_ == kBlock && !Flush()) {
                result = ImageResult::kWriteFailed;
            } else if (options_.progress && !options_.progress(done_, total_)) {
                result = ImageResult::kCancelled;
            }
        }
        files.Close();
        if (result != ImageResult::kWritten) return result;
        const std::size_t tail = std::size_t(file.entry->size % kSector);
        if (tail != 0 && !PutZeros(kSector - tail)) return ImageResult::kWriteFailed;
        return result;
    }

    bool Flush() {
        if (filled_ == 0) return true;
        const bool written = sink_.Write(block_.get(), filled_);
        filled_ = 0;
        return written;
    }

private:
    IImageSink& sink_;
    const ImageOptions& options_;
    std::uint64_t total_;
    std::unique_ptr<char[]> block_;
    std::size_t filled_ = 0;
    std::uint64_t done_ = 0;
};

}  // namespace

std::uint64_t IsoImageSize(const ImageEntry& root) {
    Layout layout(root);
    return std::uint64_t(layout.Place()) * kSector;
}

ImageOutcome WriteIsoImage(const ImageEntry& root, const ImageOptions& options, IImageFiles& files, IImageSink& sink) {
    if (const ImageEntry* large = TooLarge(root)) return {ImageResult::kFileTooLarge, large->source};
    Layout layout(root);
    const std::uint32_t sectors = layout.Place();
    ImageOutput output(sink, options, FileBytes(root));
    std::string head(16 * std::size_t(kSector), '\0');
    head += VolumeDescriptor(layout, options, sectors, false);
    head += VolumeDescriptor(layout, options, sectors, true);
    head += Terminator();
    for (bool joliet : {false, true}) {
        head += Padded(layout.PathTable(joliet, false));
        head += Padded(layout.PathTable(joliet, true));
    }
    if (!output.Put(head)) return {ImageResult::kWriteFailed, {}};
    for (const Node* directory : layout.IsoDirectories()) {
        if (!output.Put(layout.Extent(*directory, false))) return {ImageResult::kWriteFailed, {}};
    }
    for (const Node* directory : layout.JolietDirectories()) {
        if (!output.Put(layout.Extent(*directory, true))) return {ImageResult::kWriteFailed, {}};
    }
    for (const Node* file : layout.Files()) {
        const ImageResult result = output.PutFile(*file, files);
        if (result != ImageResult::kWritten) return {result, file->entry->source};
    }
    if (!output.Flush()) return {ImageResult::kWriteFailed, {}};
    return {};
}
