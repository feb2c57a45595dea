#include "target_choice.h"

#include "browse_folder.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace tandem::combine {

const QString TargetChoice::BrowseTitle =
    QStringLiteral("Please select a folder to place backup copies of your selected SES files.");

TargetChoice::TargetChoice(QGroupBox* frame, std::function<QString(int pane)> selectedFilePath)
    : QObject(frame)
    , selectedFilePath_(std::move(selectedFilePath))
{
    const QString captions[3] = { QStringLiteral("File &1  Folder"), QStringLiteral("File &2  Folder"),
        QStringLiteral("&Specific Folder...") };
    for (int i = 0; i < 3; ++i) {
        QRadioButton* option = new QRadioButton(captions[i], frame);
        option->setObjectName(QStringLiteral("TargetOption%1").arg(i + 1));
        option->setMouseTracking(true);
        option->installEventFilter(this);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optionClicked(i + 1);
        });
        TargetOption[static_cast<std::size_t>(i)] = option;
    }
    TargetTextBox = new QLineEdit(frame);
    TargetTextBox->setObjectName(QStringLiteral("TargetTextBox"));
    TargetTextBox->setMouseTracking(true);
    TargetTextBox->installEventFilter(this);
    FileButton = new QToolButton(frame);
    FileButton->setObjectName(QStringLiteral("FileButton"));
    FileButton->setIcon(frame->style()->standardIcon(QStyle::SP_DirOpenIcon));
    FileButton->setToolTip(QStringLiteral("Browse"));
    connect(FileButton, &QToolButton::clicked, this, &TargetChoice::FileButtonClick);
    Select(1);
    optionClicked(1);
}

void TargetChoice::optionClicked(int option)
{
    TargetTextBox->setEnabled(option == 3);
    FileButton->setEnabled(option == 3);
}

int TargetChoice::Choice() const
{
    if (TargetOption[0]->isChecked())
        return 1;
    if (TargetOption[1]->isChecked())
        return 2;
    return 3;
}

void TargetChoice::Select(int option) { TargetOption[static_cast<std::size_t>(option - 1)]->setChecked(true); }

void TargetChoice::FileButtonClick()
{
    Select(3);
    const QString remembered = TargetTextBox->text();
    const QString chosen = BrowseForFolder(BrowseTitle, remembered, true);
    TargetTextBox->setText(chosen.isEmpty() ? remembered : chosen);
}

bool TargetChoice::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        // The tooltips tell which folder each choice means now.
        for (int pane = 1; pane <= 2; ++pane)
            if (watched == TargetOption[static_cast<std::size_t>(pane - 1)])
                TargetOption[static_cast<std::size_t>(pane - 1)]->setToolTip(selectedFilePath_(pane));
        if (watched == TargetTextBox)
            TargetTextBox->setToolTip(TargetTextBox->text());
    } else if (event->type() == QEvent::FocusIn && watched == TargetTextBox) {
        // After the click that gave the focus has placed the cursor.
        QTimer::singleShot(0, TargetTextBox, [box = TargetTextBox] {
            if (box->hasFocus())
                box->selectAll();
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tandem::combine
