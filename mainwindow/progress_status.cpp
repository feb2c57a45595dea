#include "progress_status.h"

#include "twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>

namespace tandem::mainwindow {

namespace {

int pixels(double twips, const QWidget& widget, bool vertical = false)
{
    return static_cast<int>(dirtree::PixelsFromTwips(twips, widget, vertical) + 0.5);
}

} // namespace

ProgressStatus::ProgressStatus(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("ProgressStatus"));
    setModal(false);
    // The main window keeps the keys, so that Esc there stops the scan.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(pixels(10845, *this), pixels(825, *this, true));
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setGeometry(pixels(45, *this), pixels(30, *this, true), pixels(10770, *this), pixels(780, *this, true));
    PrtCaption = new QLabel(QStringLiteral("Converting......."), Frame1);
    PrtCaption->setObjectName(QStringLiteral("PrtCaption"));
    PrtCaption->setGeometry(0, pixels(225, *this, true), pixels(10725, *this), pixels(435, *this, true));
    PrtCaption->setAlignment(Qt::AlignCenter);
    PrtCaption->setAutoFillBackground(true);
    QPalette palette = PrtCaption->palette();
    palette.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    PrtCaption->setPalette(palette);
    QFont font = PrtCaption->font();
    font.setBold(true);
    font.setPointSizeF(9.75);
    PrtCaption->setFont(font);
}

void ProgressStatus::SetCaption(const QString& text)
{
    PrtCaption->setText(text);
    if (isVisible())
        return;
    if (const QWidget* owner = parentWidget()) {
        const QRect over = owner->frameGeometry();
        move(over.left() + (over.width() - width()) / 2, over.top() + (over.height() - height()) / 2);
    }
    show();
    repaint();
    QApplication::processEvents();
}

} // namespace tandem::mainwindow
