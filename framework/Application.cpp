#include "Application.h"

#include "ResourceString.h"

namespace wingui {

CApplication* CApplication::current_ = nullptr;

CApplication::CApplication() { current_ = this; }
CApplication::~CApplication() {
    if (current_ == this) current_ = nullptr;
}

namespace {

std::string ModuleBaseName(HINSTANCE instance) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(instance, path, MAX_PATH);
    std::string name = path;
    size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

}  // namespace

int CApplication::Run(HINSTANCE instance) {
    instance_ = instance;
    appName_ = LoadResourceString(kAppTitleStringId);
    if (appName_.empty()) appName_ = ModuleBaseName(instance);
    if (!InitInstance()) return ExitInstance();
    const int exitCode = loop_.Run();
    ExitInstance();
    return exitCode;
}

}  // namespace wingui
