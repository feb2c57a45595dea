#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>

class QGroupBox;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace tandem::combine {

// Where the combined session goes: File 1's folder, File 2's folder, or a
// folder typed or browsed into the text box.
class TargetChoice : public QObject {
    Q_OBJECT
public:
    static const QString BrowseTitle;

    // The controls are made inside `frame`. `selectedFilePath` gives a
    // pane's checked file folder, for the options' tooltips.
    TargetChoice(QGroupBox* frame, std::function<QString(int pane)> selectedFilePath);

    std::array<QRadioButton*, 3> TargetOption{};
    QLineEdit* TargetTextBox;
    QToolButton* FileButton;

    // 1 or 2 for those options, else 3.
    int Choice() const;
    void Select(int option);
    // The browse button: option 3, then the folder browser; cancelling keeps
    // the text.
    void FileButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void optionClicked(int option);

    std::function<QString(int)> selectedFilePath_;
};

} // namespace tandem::combine
