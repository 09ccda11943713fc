// GoogleTest's Notification for the win32-thread compilers, whose library has
// no std::mutex (the tests themselves run on one thread). Included before
// every GoogleTest header, which then takes this one.
#pragma once

namespace testing::internal {

class Notification {
public:
    Notification();
    ~Notification();
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    void Notify();
    void WaitForNotification();

private:
    void* event_;
};

}  // namespace testing::internal
