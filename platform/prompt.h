#pragma once

#include <string>

namespace tandem::platform {

// A message box: what it says and which answers it offers.
struct Message {
    enum class Icon { Information, Question, Exclamation, Critical };
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Answer { Ok, Cancel, Yes, No, Extra };

    Icon icon = Icon::Information;
    std::string title;
    std::string text;
    Buttons buttons = Buttons::Ok;
    Answer defaultAnswer = Answer::Ok;
    // The caption of one more button beside the others, answered with
    // Extra; none when empty.
    std::string extraButton{};
};

// Every question and message of the program goes through one prompt, so
// that tests can answer for the user. The program installs the prompt that
// shows real message boxes.
class Prompt {
public:
    virtual ~Prompt() = default;
    virtual Message::Answer Show(const Message& message) = 0;
};

// The installed prompt; with none installed, every message is answered with
// its default answer and shows nothing.
Prompt& CurrentPrompt();
// Installs `prompt` (not owned); nullptr goes back to the default.
void InstallPrompt(Prompt* prompt);

} // namespace tandem::platform
