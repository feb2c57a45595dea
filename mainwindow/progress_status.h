#pragma once

#include <QDialog>

class QFrame;
class QLabel;

namespace tandem::mainwindow {

// The small window without a caption that says what start-up is doing,
// shown over the main window while the panes are first filled.
class ProgressStatus : public QDialog {
    Q_OBJECT
public:
    explicit ProgressStatus(QWidget* owner);

    QFrame* Frame1;
    QLabel* PrtCaption;

    // Sets the text and, the first time, shows the window centred over its
    // owner without waiting for it.
    void SetCaption(const QString& text);
};

} // namespace tandem::mainwindow
