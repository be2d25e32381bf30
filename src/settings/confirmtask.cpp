#include "settings/confirmtask.h"
#include "logging/logcategories.h"

#include "widgets/custombutton.h"

#include <QDebug>

ConfirmTask::ConfirmTask(CustomButton *button)
    : m_button(button)
{
}

void ConfirmTask::begin()
{
    m_running = true;
    m_failed = std::make_shared<int>(0);
    m_button->startAnimation();
}

void ConfirmTask::reportTime(int msecs)
{
    qCDebug(lcSettings) << "thread excute time: " << msecs;
    m_button->stopAfterTask(msecs);
}

int ConfirmTask::finish()
{
    m_running = false;
    const int failed = m_failed ? *m_failed : 0;
    if (failed)
        m_button->resetLoading();
    return failed;
}
