#include "qt_prompt.h"

#include "busy_pointer.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tandem::mainwindow {

namespace {

using Message = platform::Message;

QMessageBox::Icon iconOf(Message::Icon icon)
{
    switch (icon) {
    case Message::Icon::Question:
        return QMessageBox::Question;
    case Message::Icon::Exclamation:
        return QMessageBox::Warning;
    case Message::Icon::Critical:
        return QMessageBox::Critical;
    default:
        return QMessageBox::Information;
    }
}

QMessageBox::StandardButton buttonOf(Message::Answer answer)
{
    switch (answer) {
    case Message::Answer::Cancel:
        return QMessageBox::Cancel;
    case Message::Answer::Yes:
        return QMessageBox::Yes;
    case Message::Answer::No:
        return QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::StandardButtons buttonsOf(Message::Buttons buttons)
{
    switch (buttons) {
    case Message::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Message::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

Message::Answer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return Message::Answer::Cancel;
    case QMessageBox::Yes:
        return Message::Answer::Yes;
    case QMessageBox::No:
        return Message::Answer::No;
    default:
        return Message::Answer::Ok;
    }
}

} // namespace

Message::Answer QtPrompt::Show(const Message& message)
{
    QMessageBox box(iconOf(message.icon), QString::fromStdString(message.title), QString::fromStdString(message.text),
        buttonsOf(message.buttons), owner_);
    box.setDefaultButton(buttonOf(message.defaultAnswer));
    const QPushButton* extra = message.extraButton.empty()
        ? nullptr
        : box.addButton(QString::fromStdString(message.extraButton), QMessageBox::ActionRole);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int button = box.exec();
    QApplication::restoreOverrideCursor();
    if (extra && box.clickedButton() == extra)
        return Message::Answer::Extra;
    // Closing a question box without an answer counts as its safe answer.
    if (button != QMessageBox::Ok && button != QMessageBox::Cancel && button != QMessageBox::Yes &&
        button != QMessageBox::No)
        return message.buttons == Message::Buttons::YesNo ? Message::Answer::No : Message::Answer::Cancel;
    return answerOf(button);
}

void InstallQtBusyPointer()
{
    platform::BusyPointer::InstallHook([](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
}

} // namespace tandem::mainwindow
