#ifndef SETTINGS_CONFIRMTASK_H
#define SETTINGS_CONFIRMTASK_H

#include "widgets/threadworker.h"

#include <functional>
#include <memory>

class CustomButton;

// One Confirm of a settings page at a time: the page's daemon writes run on
// a task thread while its Confirm button shows that it works. The writes
// report the groups of settings that the daemon did not take, as bits.
class ConfirmTask
{
public:
    explicit ConfirmTask(CustomButton *button);

    bool isRunning() const { return m_running; }

    // Runs writes unless a task is running already; onFinished of page gets
    // the elapsed milliseconds and passes them to reportTime().
    template<typename Page>
    void start(Page *page, std::function<int()> writes, void (Page::*onFinished)(int));
    // Logs the time and lets the button stop loading after its delay.
    void reportTime(int msecs);
    // Once the button has stopped: the failed groups. When there are some,
    // the button is ready for another try.
    int finish();

private:
    void begin();

    CustomButton *m_button;
    bool m_running = false;
    std::shared_ptr<int> m_failed;
};

template<typename Page>
void ConfirmTask::start(Page *page, std::function<int()> writes, void (Page::*onFinished)(int))
{
    if (m_running)
        return;
    begin();
    // The task may outlive the page: it reports into its own copy of the pointer.
    std::shared_ptr<int> failed = m_failed;
    ThreadWorker::start(
        page, [writes, failed] { *failed = writes(); }, onFinished);
}

#endif
