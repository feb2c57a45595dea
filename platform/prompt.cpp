#include "prompt.h"

namespace tandem::platform {

namespace {

class DefaultAnswerPrompt final : public Prompt {
public:
    Message::Answer Show(const Message& message) override { return message.defaultAnswer; }
};

Prompt* installed = nullptr;

} // namespace

Prompt& CurrentPrompt()
{
    static DefaultAnswerPrompt defaultPrompt;
    return installed ? *installed : defaultPrompt;
}

void InstallPrompt(Prompt* prompt) { installed = prompt; }

} // namespace tandem::platform
