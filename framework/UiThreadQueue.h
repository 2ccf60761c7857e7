#pragma once
// Hands work from worker threads to the user-interface thread: Post may be
// called from any thread; the task runs on the thread that made the queue,
// from its message loop (or any modal loop it is in). Tasks still waiting
// when the queue goes are dropped, so the queue must outlive the workers
// that post to it, or the workers must stop posting first.
#include <windows.h>

#include <deque>
#include <functional>
#include <mutex>

namespace wingui {

class CUiThreadQueue {
public:
    CUiThreadQueue();
    ~CUiThreadQueue();
    CUiThreadQueue(const CUiThreadQueue&) = delete;
    CUiThreadQueue& operator=(const CUiThreadQueue&) = delete;

    // False when the queue has no window (it could not be made).
    bool Post(std::function<void()> task);
    // Runs what is waiting now, on the calling (user-interface) thread.
    void RunPending();

private:
    static LRESULT CALLBACK QueueProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::mutex mutex_;
    std::deque<std::function<void()>> tasks_;
};

}  // namespace wingui
