#pragma once

#include "prompt.h"

class QWidget;

namespace tandem::mainwindow {

// The prompt of the running program: real message boxes, shown with the
// normal pointer even while the program is busy.
class QtPrompt : public platform::Prompt {
public:
    explicit QtPrompt(QWidget* owner = nullptr)
        : owner_(owner)
    {
    }
    platform::Message::Answer Show(const platform::Message& message) override;

private:
    QWidget* owner_;
};

// Makes the busy pointer of the platform layer the screen's hourglass.
void InstallQtBusyPointer();

} // namespace tandem::mainwindow
