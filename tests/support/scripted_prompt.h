#pragma once

#include "prompt.h"

#include <deque>
#include <vector>

namespace tandem::test {

// Answers message boxes for the user in tests: installs itself while it
// lives, records every message and gives the queued answers in turn (the
// message's default answer when none is queued).
class ScriptedPrompt : public platform::Prompt {
public:
    ScriptedPrompt() { platform::InstallPrompt(this); }
    ~ScriptedPrompt() override { platform::InstallPrompt(nullptr); }
    ScriptedPrompt(const ScriptedPrompt&) = delete;
    ScriptedPrompt& operator=(const ScriptedPrompt&) = delete;

    void Answer(platform::Message::Answer answer) { answers_.push_back(answer); }
    const std::vector<platform::Message>& Shown() const { return shown_; }

    platform::Message::Answer Show(const platform::Message& message) override
    {
        shown_.push_back(message);
        if (answers_.empty())
            return message.defaultAnswer;
        const auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

private:
    std::deque<platform::Message::Answer> answers_;
    std::vector<platform::Message> shown_;
};

} // namespace tandem::test
