#pragma once
// A settings file held in memory while a session for it is open. Every read
// of that file is answered from memory and every write is collected, so that
// loading a disc costs one read of the file and saving a list one rewrite,
// not one platform call per key. What is read and what the file holds after
// the session are exactly what the key-by-key functions would give.
//
// Sessions of the same file nest: the file is written when the outermost one
// ends, or at Flush. A file whose text the in-memory reader does not handle
// (a Unicode file with a byte-order mark) is left to the key-by-key functions.
#include <string>

namespace profile {

class FileSession {
public:
    explicit FileSession(const std::string& file);
    ~FileSession();
    FileSession(const FileSession&) = delete;
    FileSession& operator=(const FileSession&) = delete;

    // Writes what changed since the file was read or last written. False
    // when the file cannot be written; the changes stay to be tried again.
    bool Flush();

    // The end of this session's writes: the outermost session writes the
    // file, an inner one leaves that to it. False when the write failed.
    bool Commit();

    // Whether reads and writes of the file go through memory.
    bool InMemory() const;

private:
    std::string file_;
};

}  // namespace profile
