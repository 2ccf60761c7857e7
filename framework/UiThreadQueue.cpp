#include "UiThreadQueue.h"

namespace wingui {

namespace {

constexpr char kQueueClass[] = "MenuwrightUiThreadQueue";
constexpr UINT kRunTasks = WM_APP + 0x3A1;

void RegisterQueueClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kQueueClass;
        return RegisterClassA(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

CUiThreadQueue::CUiThreadQueue() {
    RegisterQueueClass(QueueProc);
    // A message-only window: never shown, never enumerated, but its thread's
    // loops dispatch to it.
    window_ = CreateWindowExA(0, kQueueClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr),
                              nullptr);
    if (window_) SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

CUiThreadQueue::~CUiThreadQueue() {
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

bool CUiThreadQueue::Post(std::function<void()> task) {
    if (!window_) return false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    return PostMessageA(window_, kRunTasks, 0, 0) != FALSE;
}

void CUiThreadQueue::RunPending() {
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (tasks_.empty()) return;
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
    }
}

LRESULT CALLBACK CUiThreadQueue::QueueProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunTasks) {
        auto* queue = reinterpret_cast<CUiThreadQueue*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (queue) queue->RunPending();
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace wingui
