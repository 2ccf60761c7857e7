// The main of every Windows test program. Once the results are printed the
// process ends at once: under Wine a program that has driven windows from
// several threads can block for minutes in its DLL shutdown, long after
// every test has passed. A watchdog ends a test that runs far longer than
// any test here needs, naming it, instead of leaving the suite to wait.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace {

constexpr DWORD kTestLimitMs = 120000;

class TestWatchdog : public testing::EmptyTestEventListener {
public:
    TestWatchdog() : thread_([this] { Watch(); }) { thread_.detach(); }

private:
    void OnTestStart(const testing::TestInfo& test) override {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            name_ = std::string(test.test_suite_name()) + "." + test.name();
        }
        started_ = GetTickCount();
        running_ = true;
    }
    void OnTestEnd(const testing::TestInfo&) override { running_ = false; }

    void Watch() {
        for (;;) {
            Sleep(1000);
            if (!running_ || GetTickCount() - started_ < kTestLimitMs) continue;
            std::lock_guard<std::mutex> lock(mutex_);
            std::fprintf(stderr, "\n%s has run for %lu s and was ended: it hangs\n", name_.c_str(),
                         static_cast<unsigned long>(kTestLimitMs / 1000));
            std::fflush(stdout);
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 3);
        }
    }

    std::mutex mutex_;
    std::string name_;
    std::atomic<DWORD> started_ = 0;
    std::atomic<bool> running_ = false;
    std::thread thread_;
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new TestWatchdog);
    const int result = RUN_ALL_TESTS();
    std::fflush(stdout);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), UINT(result));
    return result;
}
