#pragma once
// What goes onto a disc image: the folders and files of the project
// directory with their sizes and times, and where each file's bytes come
// from.
#include <cstdint>
#include <string>
#include <vector>

struct ImageTime {
    int year = 1980;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct ImageEntry {
    std::string name;  // as the file system shows it (8-bit, Windows code page)
    bool directory = false;
    std::uint64_t size = 0;
    ImageTime modified;
    std::string source;  // the file to read, for files
    std::vector<ImageEntry> children;
};

// Reads the bytes of the files that go into the image.
class IImageFiles {
public:
    virtual ~IImageFiles() = default;
    virtual bool Open(const std::string& source) = 0;
    // Up to size bytes; 0 at the end, -1 on failure.
    virtual long long Read(void* buffer, std::size_t size) = 0;
    virtual void Close() = 0;
};

// Receives the image's bytes in order.
class IImageSink {
public:
    virtual ~IImageSink() = default;
    virtual bool Write(const void* data, std::size_t size) = 0;
};
