#pragma once
// What the step tests share besides the dialog driver: a scratch disc root
// and the paths of the helper programs built beside the tests.
#include <string>

#include "DialogDriver.h"

namespace steptest {

using namespace testwin;

// A fresh directory standing for a disc root (a Windows path, no trailing
// backslash), removed at the end.
class CTempDisc {
public:
    CTempDisc();
    ~CTempDisc();
    CTempDisc(const CTempDisc&) = delete;
    CTempDisc& operator=(const CTempDisc&) = delete;

    const std::string& Root() const { return root_; }
    std::string Path(const std::string& relative) const { return root_ + relative; }
    void Write(const std::string& relative, const std::string& bytes) const;
    std::string Read(const std::string& relative) const;
    void CopyIn(const std::string& source, const std::string& relative) const;

private:
    std::string root_;
};

// A Windows path of a test helper built beside the tests.
std::string HelperProgram(const char* builtPath);

}  // namespace steptest
