#pragma once

#include <QDialog>

#include <functional>

class QIcon;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tandem::mainwindow {

// About: the box that names the program, its version, its authors, its
// licence and the Qt it runs on. Clicking the web page address opens it and
// leaves the box open; the licence can be scrolled; a click anywhere else,
// the OK button or Esc closes the box.
class About : public QDialog {
    Q_OBJECT
public:
    About(const QIcon& icon, std::function<void()> openWebPage, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> openWebPage_;
    QLabel* clickLabel_;
    QLabel* addressLabel_;
    QPlainTextEdit* licenceText_;
    QPushButton* okButton_;
};

} // namespace tandem::mainwindow
