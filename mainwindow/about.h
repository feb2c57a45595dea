#pragma once

#include <QDialog>

#include <functional>

class QIcon;
class QLabel;

namespace tandem::mainwindow {

// About: the box that names the program, its version and its authors.
// Clicking the web page address opens it and leaves the box open; a click
// anywhere else, or Esc, closes the box.
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
};

} // namespace tandem::mainwindow
